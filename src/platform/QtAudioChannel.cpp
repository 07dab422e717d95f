#include "platform/QtAudioChannel.h"

#include <QTimer>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <limits>

namespace {

constexpr qint64 BufferUs = 400000;

QAudioFormat int16Format(int rate, int channels) {
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The sound's own rate and channels when the device takes them, else the device's preferred.
QAudioFormat outputFormat(const QAudioDevice& device, const WaveImage& sound) {
    const QAudioFormat own = int16Format(sound.sampleRate, std::min(sound.channels, 2));
    if (device.isFormatSupported(own))
        return own;
    const QAudioFormat preferred = device.preferredFormat();
    return int16Format(preferred.sampleRate(), std::clamp(preferred.channelCount(), 1, 2));
}
} // namespace

QtAudioChannel::QtAudioChannel(Clock& clock, QObject* parent) : TimedAudioChannel(clock, parent) {}

QtAudioChannel::~QtAudioChannel() {
    stop();
}

bool QtAudioChannel::startOutput(const WaveImage& sound) {
    audible_ = false;
    failed_ = false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || sound.frameCount() == 0)
        return false;
    const QAudioFormat format = outputFormat(device, sound);
    samples_ = sound.toInt16(format.sampleRate(), format.channelCount());
    buffer_.setBuffer(&samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError)
            failed_ = true;
        if (state == QAudio::ActiveState)
            emit outputActive();
    });
    // A buffer that holds a whole short effect lets the server take it in one go; with the
    // small default one, PulseAudio was seen to wait about a second before asking for the rest.
    sink_->setBufferSize(format.bytesForDuration(BufferUs));
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        dropSink();
        return false;
    }
    audible_ = true;
    // The device may already be running when start() returns; report it once the caller has
    // had a chance to listen.
    if (sink_->state() == QAudio::ActiveState)
        QTimer::singleShot(0, this, &QtAudioChannel::outputActive);
    return true;
}

void QtAudioChannel::stopOutput() {
    dropSink();
}

void QtAudioChannel::dropSink() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
}

qint64 QtAudioChannel::outputProcessedMs() const {
    if (!sink_ || failed_)
        return -1;
    // The sink counts what the server has played; a stalled server holds the position back.
    const qint64 processed = sink_->processedUSecs();
    if (processed >= sink_->format().durationForBytes(qint32(samples_.size())))
        return std::numeric_limits<qint64>::max();
    return processed / 1000;
}

void QtAudioChannel::applyVolume(int volume) {
    if (sink_)
        sink_->setVolume(volume / 65000.0);
}

#include "platform/QtAudioChannel.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <limits>

namespace {

// The server's buffer: a whole short effect fits in it, and a long sound is topped up every
// FeedMs, well before the server runs dry.
constexpr qint64 BufferUs = 400000;
constexpr int FeedMs = 10;

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

QtAudioChannel::QtAudioChannel(Clock& clock, QObject* parent) : TimedAudioChannel(clock, parent) {
    feeder_.setInterval(FeedMs);
    feeder_.setTimerType(Qt::PreciseTimer);
    connect(&feeder_, &QTimer::timeout, this, &QtAudioChannel::feed);
}

QtAudioChannel::~QtAudioChannel() {
    stop();
}

// The samples are written to the sink as soon as it is open (push mode): the sink's own pull
// timer would hold the first of them back for up to a period.
bool QtAudioChannel::startOutput(const WaveImage& sound) {
    audible_ = false;
    failed_ = false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || sound.frameCount() == 0)
        return false;
    const QAudioFormat format = outputFormat(device, sound);
    samples_ = sound.toInt16(format.sampleRate(), format.channelCount());
    written_ = 0;
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError)
            failed_ = true;
    });
    sink_->setBufferSize(format.bytesForDuration(BufferUs));
    // The sink scales the samples as they are written, so the volume comes first.
    sink_->setVolume(gain_);
    output_ = sink_->start();
    if (!output_ || sink_->error() != QAudio::NoError) {
        dropSink();
        return false;
    }
    feeder_.start();
    feed(); // stops the feeder at once when the whole sound fits in the buffer
    audible_ = true;
    // Reported once the caller has had a chance to listen.
    QTimer::singleShot(0, this, &QtAudioChannel::outputActive);
    return true;
}

// Writes as much of the sound as the server's buffer has room for. The server starts playing
// (and starts again after running dry) only once its buffer is full, so the last piece of the
// sound is followed by silence up to that room.
void QtAudioChannel::feed() {
    if (!output_)
        return;
    const int frame = sink_->format().bytesPerFrame();
    const qint64 room = sink_->bytesFree() / frame * frame;
    const qint64 piece = std::min(room, qint64(samples_.size()) - written_);
    if (piece <= 0)
        return;
    written_ += std::max<qint64>(0, output_->write(samples_.constData() + written_, piece));
    if (written_ < samples_.size())
        return;
    feeder_.stop();
    if (room > piece)
        output_->write(QByteArray(room - piece, '\0'));
}

void QtAudioChannel::stopOutput() {
    dropSink();
}

void QtAudioChannel::dropSink() {
    feeder_.stop();
    output_ = nullptr;
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        stoppedSink_ = std::move(sink_);
    }
}

qint64 QtAudioChannel::outputProcessedMs() const {
    if (!sink_ || failed_)
        return -1;
    // The sink counts what the server has played; a stalled server holds the position back.
    // The silence written after the sound does not count.
    const qint64 processed = sink_->processedUSecs();
    if (processed >= sink_->format().durationForBytes(qint32(samples_.size())))
        return std::numeric_limits<qint64>::max();
    return processed / 1000;
}

void QtAudioChannel::applyVolume(int volume) {
    gain_ = volume / 65000.0;
    if (sink_)
        sink_->setVolume(gain_);
}

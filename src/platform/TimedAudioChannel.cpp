#include "platform/TimedAudioChannel.h"

#include <algorithm>

TimedAudioChannel::TimedAudioChannel(Clock& clock, QObject* parent)
    : AudioChannel(parent), clock_(clock) {
    ticker_.setInterval(TickMs);
    connect(&ticker_, &QTimer::timeout, this, &TimedAudioChannel::poll);
}

void TimedAudioChannel::playImage(const QByteArray& waveImage) {
    const auto sound = WaveImage::parse(waveImage);
    begin(sound, 0, sound ? sound->lengthMs() : 0);
}

void TimedAudioChannel::playFile(const QString& path) {
    const auto sound = WaveImage::load(path);
    begin(sound, 0, sound ? sound->lengthMs() : 0);
}

void TimedAudioChannel::playFileRange(const QString& path, qint64 fromMs, qint64 toMs) {
    begin(WaveImage::load(path), fromMs, toMs);
}

void TimedAudioChannel::begin(const std::optional<WaveImage>& sound, qint64 fromMs, qint64 toMs) {
    stop();
    if (!sound) {
        lengthMs_ = fromMs_ = durationMs_ = 0;
        reportEndSoon();
        return;
    }
    lengthMs_ = sound->lengthMs();
    fromMs_ = std::clamp<qint64>(fromMs, 0, lengthMs_);
    durationMs_ = std::clamp<qint64>(toMs, fromMs_, lengthMs_) - fromMs_;
    playing_ = true;
    startedAt_ = clock_.monotonicMs();
    outputRunning_ = startOutput(sound->slice(fromMs_, fromMs_ + durationMs_));
    applyVolume(volume_);
    ticker_.start();
}

void TimedAudioChannel::reportEndSoon() {
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == generation_)
            emit finished();
    });
}

void TimedAudioChannel::stop() {
    ++generation_;
    ticker_.stop();
    if (outputRunning_)
        stopOutput();
    outputRunning_ = false;
    playing_ = false;
}

qint64 TimedAudioChannel::elapsedMs() const {
    return std::max<qint64>(0, clock_.monotonicMs() - startedAt_);
}

qint64 TimedAudioChannel::playedMs() const {
    qint64 played = elapsedMs();
    if (outputRunning_) {
        const qint64 processed = outputProcessedMs();
        if (processed >= 0)
            played = std::min(played, processed);
    }
    return std::min(played, durationMs_);
}

qint64 TimedAudioChannel::positionMs() const {
    return playing_ ? fromMs_ + playedMs() : fromMs_ + durationMs_;
}

void TimedAudioChannel::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 65000);
    applyVolume(volume_);
}

void TimedAudioChannel::poll() {
    if (!playing_ || playedMs() < durationMs_)
        return;
    stop();
    emit finished();
}

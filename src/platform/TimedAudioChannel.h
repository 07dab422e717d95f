#pragma once

#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/WaveImage.h"

#include <QTimer>

// A sound channel that keeps the time of the sound playing by the clock: it reads the sound,
// knows its length, and reports the end once the clock (and the output, when there is one) has
// gone through it. Subclasses send the samples to a real output; this class alone is silent.
class TimedAudioChannel : public AudioChannel {
    Q_OBJECT
public:
    explicit TimedAudioChannel(Clock& clock, QObject* parent = nullptr);

    void playImage(const QByteArray& waveImage) override;
    void playFile(const QString& path) override;
    void playFileRange(const QString& path, qint64 fromMs, qint64 toMs) override;
    void stop() override;
    bool isPlaying() const override { return playing_; }
    qint64 lengthMs() const override { return lengthMs_; }
    qint64 positionMs() const override;
    void setVolume(int volume) override;
    int volume() const override { return volume_; }

    // Looks at the clock and reports the end when the sound is through. The channel's own timer
    // calls it every TickMs while a sound plays.
    void poll();

    static constexpr int TickMs = 10;

protected:
    // Starts sending the sound to the output. False when the output cannot play it; the
    // channel then keeps the time by the clock alone.
    virtual bool startOutput(const WaveImage& sound) {
        Q_UNUSED(sound);
        return false;
    }
    virtual void stopOutput() {}
    // Milliseconds of the sound the output has played so far; -1 when it does not know.
    virtual qint64 outputProcessedMs() const { return -1; }
    virtual void applyVolume(int volume) { Q_UNUSED(volume); }

private:
    void begin(const std::optional<WaveImage>& sound, qint64 fromMs, qint64 toMs);
    void reportEndSoon();
    qint64 elapsedMs() const;
    qint64 playedMs() const;

    Clock& clock_;
    QTimer ticker_;
    bool playing_ = false;
    bool outputRunning_ = false;
    quint64 generation_ = 0; // tells a queued end from a sound that replaced it
    qint64 startedAt_ = 0;
    qint64 fromMs_ = 0;
    qint64 durationMs_ = 0;
    qint64 lengthMs_ = 0;
    int volume_ = 65000;
};

// A silent channel for machines without sound: it still reports lengths, positions and ends.
class NullAudioChannel final : public TimedAudioChannel {
    Q_OBJECT
public:
    using TimedAudioChannel::TimedAudioChannel;
};

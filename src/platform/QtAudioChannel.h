#pragma once

#include "platform/TimedAudioChannel.h"

#include <QByteArray>
#include <QTimer>
#include <memory>

class QAudioSink;
class QIODevice;

// Plays sounds on the user's audio server through a QAudioSink. When the server cannot be
// reached the sink fails to start; the channel then goes on silently, keeping the time by the
// clock, so that the end of every sound is still reported.
class QtAudioChannel final : public TimedAudioChannel {
    Q_OBJECT
public:
    explicit QtAudioChannel(Clock& clock, QObject* parent = nullptr);
    ~QtAudioChannel() override;

    // Whether the last sound started went to the audio server (false: it was timed silently).
    bool lastSoundAudible() const { return audible_; }

signals:
    // The audio device has taken the first samples of the sound last started.
    void outputActive();

protected:
    bool startOutput(const WaveImage& sound) override;
    void stopOutput() override;
    qint64 outputProcessedMs() const override;
    void applyVolume(int volume) override;

private:
    void feed();
    void dropSink();

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* output_ = nullptr; // owned by sink_
    // The last stopped sink, kept until the next one stops: Qt's PulseAudio sink can still be
    // called back from the server's thread just after it stops, and must not be gone by then.
    std::unique_ptr<QAudioSink> stoppedSink_;
    QTimer feeder_;
    QByteArray samples_;
    qint64 written_ = 0;
    double gain_ = 1.0;
    bool audible_ = false;
    bool failed_ = false; // the sink stopped with an error while playing
};

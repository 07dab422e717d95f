#pragma once

#include "platform/TimedAudioChannel.h"

#include <QBuffer>
#include <memory>

class QAudioSink;

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
    // The audio device has started taking the sound last started.
    void outputActive();

protected:
    bool startOutput(const WaveImage& sound) override;
    void stopOutput() override;
    qint64 outputProcessedMs() const override;
    void applyVolume(int volume) override;

private:
    void dropSink();

    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
    QByteArray samples_;
    bool audible_ = false;
    bool failed_ = false; // the sink stopped with an error while playing
};

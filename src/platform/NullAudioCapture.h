#pragma once

#include "platform/Audio.h"
#include "platform/Clock.h"

#include <memory>

// A sound input that hears silence: it yields 8-bit samples of value 128 at 11 025 a second
// for as long as it records, measured by the clock. Used when no real input works.
class NullAudioCapture : public AudioCapture {
    Q_OBJECT
public:
    // Keeps time by the system clock.
    NullAudioCapture();
    explicit NullAudioCapture(Clock& clock);
    ~NullAudioCapture() override;

    bool start() override;
    void stop() override;
    bool isCapturing() const override { return capturing_; }
    QByteArray samples() const override;

private:
    qint64 elapsedMs() const;

    std::unique_ptr<Clock> ownClock_;
    Clock& clock_;
    bool capturing_ = false;
    qint64 startMs_ = 0;
    qint64 stoppedAfterMs_ = 0;
};

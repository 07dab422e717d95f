#pragma once

#include "platform/Audio.h"

#include <QAudioDevice>
#include <memory>

class QAudioSource;

// Records from a sound input of the user's audio server with Qt Multimedia. It asks the
// device for 8-bit unsigned mono at 11 025 Hz; a device that cannot deliver that records in
// its preferred format, which is converted as it arrives.
class QtAudioCapture : public AudioCapture {
    Q_OBJECT
public:
    explicit QtAudioCapture(const QAudioDevice& device, QObject* parent = nullptr);
    ~QtAudioCapture() override;

    bool start() override;
    void stop() override;
    bool isCapturing() const override;
    QByteArray samples() const override { return samples_; }

private:
    class Sink;

    QAudioDevice device_;
    std::unique_ptr<QAudioSource> source_;
    std::unique_ptr<Sink> sink_;
    QByteArray samples_;
};

// The program's sound input: the default input of the audio server when there is one,
// otherwise a silent input that keeps time by the system clock.
std::unique_ptr<AudioCapture> makeAudioCapture();

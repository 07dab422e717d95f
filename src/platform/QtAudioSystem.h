#pragma once

#include "platform/Audio.h"
#include "platform/Clock.h"

// The sound outputs of the running program, on the user's audio server. The clock must outlive
// the system and every channel it makes.
class QtAudioSystem : public AudioSystem {
public:
    explicit QtAudioSystem(Clock& clock) : clock_(clock) {}
    std::unique_ptr<AudioChannel> createChannel() override;
    std::unique_ptr<AudioCapture> createCapture() override;

private:
    Clock& clock_;
};

#include "platform/QtAudioSystem.h"

#include "platform/QtAudioCapture.h"
#include "platform/QtAudioChannel.h"

std::unique_ptr<AudioChannel> QtAudioSystem::createChannel() {
    return std::make_unique<QtAudioChannel>(clock_);
}

std::unique_ptr<AudioCapture> QtAudioSystem::createCapture() {
    return makeAudioCapture();
}

#include "platform/VolumeAudioSystem.h"

#include <algorithm>

std::unique_ptr<AudioChannel> VolumeAudioSystem::createChannel() {
    auto channel = inner_->createChannel();
    channel->setVolume(volume_);
    channels_.removeAll(nullptr);
    channels_.append(channel.get());
    return channel;
}

void VolumeAudioSystem::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 65000);
    channels_.removeAll(nullptr);
    for (const auto& channel : channels_)
        channel->setVolume(volume_);
}

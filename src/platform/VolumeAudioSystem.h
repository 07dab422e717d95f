#pragma once

#include "platform/Audio.h"

#include <QList>
#include <QPointer>

// Puts every sound output of the program under one volume: the channels it makes start at the
// current volume, and setVolume() reaches all of them that still exist (effects, words,
// sentences, rhymes, the studio's playback alike).
class VolumeAudioSystem final : public AudioSystem {
public:
    explicit VolumeAudioSystem(std::unique_ptr<AudioSystem> inner) : inner_(std::move(inner)) {}

    std::unique_ptr<AudioChannel> createChannel() override;
    std::unique_ptr<AudioCapture> createCapture() override { return inner_->createCapture(); }

    // Volume from 0 (silent) to 65000 (full).
    void setVolume(int volume);
    int volume() const { return volume_; }

private:
    std::unique_ptr<AudioSystem> inner_;
    QList<QPointer<AudioChannel>> channels_;
    int volume_ = 65000;
};

#include "shell/controls/FXSnd.h"

#include <algorithm>

FXSnd::FXSnd(const QString& name, std::unique_ptr<AudioChannel> channel, QObject* parent)
    : QObject(parent), channel_(std::move(channel)) {
    setObjectName(name);
    connect(channel_.get(), &AudioChannel::finished, this, &FXSnd::playEnded);
}

void FXSnd::setCommand(int command) {
    command_ = command;
    switch (command) {
    case Play:
        channel_->playFile(fileName_);
        break;
    case StopAndClose:
    case Reset:
        channel_->stop();
        break;
    default:
        break;
    }
}

void FXSnd::setVolume(int volume) {
    channel_->setVolume(std::clamp(volume, 0, MaxVolume));
}

#pragma once

#include "platform/Audio.h"

#include <QObject>
#include <memory>

// The sound player control: a file name, a command number, a volume and a text tag. Command 5
// plays the file, 1 stops and closes it, 3 (sent once at start-up) puts the player back to rest.
// playEnded() tells that the sound has finished, also when the file could not be played.
class FXSnd : public QObject {
    Q_OBJECT
public:
    enum Command { Reset = 3, StopAndClose = 1, Play = 5 };
    static constexpr int MaxVolume = 65000;

    FXSnd(const QString& name, std::unique_ptr<AudioChannel> channel, QObject* parent = nullptr);

    void setFileName(const QString& path) { fileName_ = path; }
    const QString& fileName() const { return fileName_; }
    void setCommand(int command);
    int command() const { return command_; }
    // 0..65000; values outside are clamped.
    void setVolume(int volume);
    int volume() const { return channel_->volume(); }
    // "Vrai" or "Faux", or any text the program leaves there.
    void setTag(const QString& tag) { tag_ = tag; }
    const QString& tag() const { return tag_; }
    bool isPlaying() const { return channel_->isPlaying(); }

signals:
    void playEnded();

private:
    std::unique_ptr<AudioChannel> channel_;
    QString fileName_;
    QString tag_;
    int command_ = 0;
};

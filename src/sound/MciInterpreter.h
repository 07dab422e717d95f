#pragma once

#include "sound/MciSender.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class AudioCapture;
class AudioChannel;
class AudioSystem;

// Carries out the multimedia command strings of the sound engine on the program's audio
// devices: the alias `sound` plays (a stretch of) a wave file on an output channel, the alias
// `capture` records 8-bit unsigned mono PCM at 11 025 Hz and saves it as a wave file. Lengths
// and positions are in milliseconds. Keywords are matched without regard to letter case.
//
//   open new type waveaudio alias capture    record capture    save capture <path>
//   open waveaudio!<path> alias sound        play sound from <ms> to <ms>
//   status sound length|position             stop sound|capture    close sound|capture
class MciInterpreter : public QObject, public MciSender {
    Q_OBJECT
public:
    explicit MciInterpreter(AudioSystem& audio, QObject* parent = nullptr);
    ~MciInterpreter() override;

    int send(const QString& command, QString* reply = nullptr) override;

private:
    struct Sound {
        bool open = false;
        bool playing = false;
        QString path;
        qint64 lengthMs = 0;
        qint64 playToMs = 0;
        qint64 positionMs = 0; // where playback stopped or ended
    };
    struct Capture {
        bool open = false;
        bool recording = false;
        QByteArray samples; // what earlier "record"s captured
    };

    int openCapture();
    int recordCapture();
    int saveCapture(const QString& path);
    int openSound(const QString& path);
    int playSound(qint64 fromMs, qint64 toMs);
    int soundStatus(const QString& item, QString* reply);
    int stop(const QString& alias);
    int close(const QString& alias);
    void stopSound();
    void stopCapture();
    QByteArray capturedSamples() const;
    void onSoundFinished();

    AudioSystem& audio_;
    std::unique_ptr<AudioChannel> channel_;
    std::unique_ptr<AudioCapture> input_;
    Sound sound_;
    Capture capture_;
};

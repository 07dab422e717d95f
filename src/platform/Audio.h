#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

// One sound output. It plays one sound at a time: starting a sound cuts off the one playing.
// Everything is asynchronous; the end of a sound is reported by finished().
class AudioChannel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Plays a whole RIFF/WAVE file image held in memory.
    virtual void playImage(const QByteArray& waveImage) = 0;
    // Plays a WAV file from disk.
    virtual void playFile(const QString& path) = 0;
    // Plays the stretch from fromMs to toMs (milliseconds) of a WAV file.
    virtual void playFileRange(const QString& path, qint64 fromMs, qint64 toMs) = 0;
    // Cuts off the sound playing, without reporting its end.
    virtual void stop() = 0;

    virtual bool isPlaying() const = 0;
    // Length of the whole sound last started, and the play position in it (milliseconds).
    virtual qint64 lengthMs() const = 0;
    virtual qint64 positionMs() const = 0;

    // Volume from 0 (silent) to 65000 (full).
    virtual void setVolume(int volume) = 0;
    virtual int volume() const = 0;

signals:
    // The sound started last has really finished playing, once per sound. A sound that cannot
    // be played (missing or unreadable file) reports its end at once, so nobody waits for it.
    // A sound cut off by stop() or by the next sound reports nothing.
    void finished();
};

// Records from the sound input as 8-bit unsigned mono PCM at 11 025 samples per second.
class AudioCapture : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts a new recording, dropping what an earlier one captured. False when no input works.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isCapturing() const = 0;
    // The samples captured since start().
    virtual QByteArray samples() const = 0;
};

// Makes the sound outputs and inputs of the program.
class AudioSystem {
public:
    virtual ~AudioSystem() = default;
    virtual std::unique_ptr<AudioChannel> createChannel() = 0;
    virtual std::unique_ptr<AudioCapture> createCapture() = 0;
};

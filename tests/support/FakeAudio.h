#pragma once

#include "platform/Audio.h"

#include <QList>

#include <algorithm>
#include <memory>

// A channel that records what it was asked to play. The test decides when a sound ends.
class FakeAudioChannel : public AudioChannel {
    Q_OBJECT
public:
    struct Played {
        QString file;     // empty for an image played from memory
        QByteArray image; // empty for a file
        qint64 fromMs = -1;
        qint64 toMs = -1;
    };

    void playImage(const QByteArray& waveImage) override { begin({QString(), waveImage}); }
    void playFile(const QString& path) override { begin({path, QByteArray()}); }
    void playFileRange(const QString& path, qint64 fromMs, qint64 toMs) override {
        begin({path, QByteArray(), fromMs, toMs});
    }
    void stop() override {
        ++stops;
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    qint64 lengthMs() const override { return length; }
    qint64 positionMs() const override { return position; }
    void setVolume(int value) override { volumeValue = value; }
    int volume() const override { return volumeValue; }

    // Ends the sound playing and reports it.
    void finishNow() {
        playing = false;
        position = length;
        emit finished();
    }

    QList<Played> played;
    bool playing = false;
    int stops = 0;
    qint64 length = 0;
    qint64 position = 0;
    int volumeValue = 65000;

private:
    // Records the sound and plays it from its start (or the start of its range).
    void begin(const Played& sound) {
        played.append(sound);
        playing = true;
        position = std::max<qint64>(sound.fromMs, 0);
    }
};

class FakeAudioCapture : public AudioCapture {
    Q_OBJECT
public:
    bool start() override {
        ++starts;
        captured.clear();
        capturing = works;
        return works;
    }
    void stop() override { capturing = false; }
    bool isCapturing() const override { return capturing; }
    QByteArray samples() const override { return captured; }

    bool works = true;
    bool capturing = false;
    int starts = 0;
    QByteArray captured;
};

// Hands out fake channels and captures and keeps a pointer to each for the test to inspect.
class FakeAudioSystem : public AudioSystem {
public:
    std::unique_ptr<AudioChannel> createChannel() override {
        auto channel = std::make_unique<FakeAudioChannel>();
        channels.append(channel.get());
        return channel;
    }
    std::unique_ptr<AudioCapture> createCapture() override {
        auto capture = std::make_unique<FakeAudioCapture>();
        captures.append(capture.get());
        return capture;
    }

    QList<FakeAudioChannel*> channels;
    QList<FakeAudioCapture*> captures;
};

#include "support/FakeAudio.h"

void FakeAudioChannel::playImage(const QByteArray& waveImage) {
    played.append({QString(), waveImage, -1, -1});
    playing = true;
    position = 0;
}

void FakeAudioChannel::playFile(const QString& path) {
    played.append({path, QByteArray(), -1, -1});
    playing = true;
    position = 0;
}

void FakeAudioChannel::playFileRange(const QString& path, qint64 fromMs, qint64 toMs) {
    played.append({path, QByteArray(), fromMs, toMs});
    playing = true;
    position = fromMs;
}

void FakeAudioChannel::stop() {
    ++stops;
    playing = false;
}

void FakeAudioChannel::finishNow() {
    playing = false;
    position = length;
    emit finished();
}

bool FakeAudioCapture::start() {
    ++starts;
    captured.clear();
    capturing = works;
    return works;
}

std::unique_ptr<AudioChannel> FakeAudioSystem::createChannel() {
    auto channel = std::make_unique<FakeAudioChannel>();
    channels.append(channel.get());
    return channel;
}

std::unique_ptr<AudioCapture> FakeAudioSystem::createCapture() {
    auto capture = std::make_unique<FakeAudioCapture>();
    captures.append(capture.get());
    return capture;
}

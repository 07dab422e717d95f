#include "platform/WaveImage.h"

#include "sound/WaveFile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr qint64 MaxFileBytes = qint64(256) << 20;

double sampleAt(const WaveImage& w, qint64 frame, int channel) {
    const char* p = w.pcm.constData() + frame * w.bytesPerFrame() + channel * w.bitsPerSample / 8;
    if (w.bitsPerSample == 8)
        return (quint8(*p) - 128) * 256.0;
    return qFromLittleEndian<qint16>(p);
}

double mixedAt(const WaveImage& w, qint64 frame, int outChannel, int outChannels) {
    if (outChannels == w.channels)
        return sampleAt(w, frame, outChannel);
    if (outChannels > w.channels)
        return sampleAt(w, frame, std::min(outChannel, w.channels - 1));
    double sum = 0;
    for (int c = 0; c < w.channels; ++c)
        sum += sampleAt(w, frame, c);
    return sum / w.channels;
}
} // namespace

std::optional<WaveImage> WaveImage::parse(const QByteArray& image) {
    // A sound image may end short of its declared size (effect images lose trailing bytes when
    // they are read): what is there still plays.
    const auto chunks = parseWave(image, ShortChunks::CutToImage);
    if (!chunks || chunks->format.formatTag != 1) // only plain PCM
        return std::nullopt;
    WaveImage wave;
    wave.channels = chunks->format.channels;
    wave.sampleRate = int(std::min<quint32>(chunks->format.samplesPerSec, 384000));
    wave.bitsPerSample = chunks->format.bitsPerSample;
    const bool usable = wave.channels >= 1 && wave.channels <= 8 && wave.sampleRate >= 1000 &&
                        (wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
    if (!usable)
        return std::nullopt;
    wave.pcm = image.sliced(chunks->dataOffset, chunks->dataSize);
    wave.pcm.truncate(wave.frameCount() * wave.bytesPerFrame());
    return wave;
}

std::optional<WaveImage> WaveImage::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    return parse(file.readAll());
}

WaveImage WaveImage::slice(qint64 fromMs, qint64 toMs) const {
    const qint64 frames = frameCount();
    const qint64 first = std::clamp<qint64>(fromMs * sampleRate / 1000, 0, frames);
    const qint64 last = std::clamp<qint64>(toMs * sampleRate / 1000, first, frames);
    WaveImage part = *this;
    part.pcm = pcm.sliced(first * bytesPerFrame(), (last - first) * bytesPerFrame());
    return part;
}

QByteArray WaveImage::toInt16(int rate, int outChannels) const {
    const qint64 frames = frameCount();
    if (frames == 0 || rate <= 0 || outChannels <= 0)
        return {};
    const qint64 outFrames = std::max<qint64>(1, frames * rate / sampleRate);
    QByteArray out(outFrames * outChannels * 2, Qt::Uninitialized);
    auto* dest = reinterpret_cast<qint16*>(out.data());
    const double step = double(sampleRate) / rate;
    for (qint64 f = 0; f < outFrames; ++f) {
        const double source = f * step;
        const qint64 before = std::min<qint64>(qint64(source), frames - 1);
        const qint64 after = std::min<qint64>(before + 1, frames - 1);
        const double weight = source - before;
        for (int c = 0; c < outChannels; ++c) {
            const double value = mixedAt(*this, before, c, outChannels) * (1 - weight) +
                                 mixedAt(*this, after, c, outChannels) * weight;
            qToLittleEndian<qint16>(qint16(std::clamp(value, -32768.0, 32767.0)), dest++);
        }
    }
    return out;
}

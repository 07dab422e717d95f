#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A PCM sound read from a RIFF/WAVE image, ready to be played. The reader never trusts a chunk
// size: a chunk that claims more bytes than the image holds is cut to what is there, and a
// partial sample frame at the end is dropped.
struct WaveImage {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed, little-endian)
    QByteArray pcm;        // whole sample frames only

    static std::optional<WaveImage> parse(const QByteArray& image);
    static std::optional<WaveImage> load(const QString& path);

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frameCount() const { return bytesPerFrame() > 0 ? pcm.size() / bytesPerFrame() : 0; }
    // Rounded to the nearest millisecond.
    qint64 lengthMs() const {
        return sampleRate > 0 ? (frameCount() * 1000 + sampleRate / 2) / sampleRate : 0;
    }
    // The frames from fromMs to toMs (clamped to the sound), as a sound of its own.
    WaveImage slice(qint64 fromMs, qint64 toMs) const;
    // The samples as signed 16-bit at the given rate and channel count (linear interpolation,
    // channels mixed down or copied up).
    QByteArray toInt16(int rate, int outChannels) const;
};

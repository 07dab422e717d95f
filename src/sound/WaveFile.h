#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

// The standard wave format header: the first 18 bytes of a `fmt ` chunk.
struct WaveFormatHeader {
    static constexpr int Size = 18;

    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 samplesPerSec = 0;
    quint32 avgBytesPerSec = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
    quint16 extraSize = 0;
};

// Where the parts of a RIFF/WAVE image lie.
struct WaveChunks {
    WaveFormatHeader format;
    qsizetype dataOffset = 0; // first byte of the `data` chunk's contents
    qsizetype dataSize = 0;   // its size, all of it inside the image
};

// What to do with a chunk that claims more bytes than the image holds.
enum class ShortChunks {
    Refuse,     // the image is refused (the studio reads only whole recordings)
    CutToImage, // the chunk is taken as far as the image goes (a sound cut short still plays)
};

// Finds the format header and the sample data of a RIFF/WAVE image. No chunk size is trusted:
// the result is empty unless the image starts with a RIFF/WAVE header and holds a `fmt ` chunk
// of at least 14 bytes (up to the block align) with a non-zero block align, and a `data` chunk
// that lies inside the image (or, with CutToImage, is cut to it). A `fmt ` chunk shorter than 18
// bytes leaves the missing fields at 0; a longer one is read for its first 18 bytes only.
std::optional<WaveChunks> parseWave(QByteArrayView image,
                                    ShortChunks shortChunks = ShortChunks::Refuse);

// A complete RIFF/WAVE image of 8-bit unsigned mono PCM samples.
QByteArray makeWave8BitMono(QByteArrayView samples, quint32 samplesPerSec = 11025);

// Rounds to the nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4).
qint64 roundHalfEven(double value);

// numerator ÷ denominator rounded to the nearest integer, halves to even. denominator > 0.
qint64 divideHalfEven(qint64 numerator, qint64 denominator);

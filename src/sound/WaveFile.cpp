#include "sound/WaveFile.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype ChunkHeaderSize = 8;
constexpr qsizetype RiffHeaderSize = 12;
constexpr qsizetype BlockAlignEnd = 14; // the format header up to and including the block align

quint16 read16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}

quint32 read32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

struct Chunk {
    qsizetype offset = 0; // first byte of the contents
    qsizetype size = 0;
};

// Looks for the sub-chunk `id` of the RIFF body. Chunks are word aligned: an odd-sized chunk is
// followed by a pad byte. A size that runs past the end of the image ends the search, after
// cutting that chunk to the image when shortChunks allows it.
std::optional<Chunk> findChunk(QByteArrayView image, const char (&id)[5], ShortChunks shortChunks) {
    qint64 position = RiffHeaderSize;
    while (position + ChunkHeaderSize <= image.size()) {
        const char* header = image.data() + position;
        const qint64 size = read32(header + 4);
        const qint64 contents = position + ChunkHeaderSize;
        const bool overruns = contents + size > image.size();
        if (overruns && shortChunks == ShortChunks::Refuse)
            return std::nullopt;
        if (std::memcmp(header, id, 4) == 0)
            return Chunk{static_cast<qsizetype>(contents),
                         static_cast<qsizetype>(overruns ? image.size() - contents : size)};
        if (overruns)
            return std::nullopt;
        position = contents + size + (size & 1);
    }
    return std::nullopt;
}

WaveFormatHeader readFormat(QByteArrayView chunk) {
    char bytes[WaveFormatHeader::Size] = {};
    std::memcpy(bytes, chunk.data(), std::min<qsizetype>(chunk.size(), sizeof bytes));
    WaveFormatHeader format;
    format.formatTag = read16(bytes);
    format.channels = read16(bytes + 2);
    format.samplesPerSec = read32(bytes + 4);
    format.avgBytesPerSec = read32(bytes + 8);
    format.blockAlign = read16(bytes + 12);
    format.bitsPerSample = read16(bytes + 14);
    format.extraSize = read16(bytes + 16);
    return format;
}

void append16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

std::optional<WaveChunks> parseWave(QByteArrayView image, ShortChunks shortChunks) {
    if (image.size() < RiffHeaderSize || std::memcmp(image.data(), "RIFF", 4) != 0 ||
        std::memcmp(image.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const auto fmt = findChunk(image, "fmt ", shortChunks);
    if (!fmt || fmt->size < BlockAlignEnd)
        return std::nullopt;
    const auto data = findChunk(image, "data", shortChunks);
    if (!data)
        return std::nullopt;
    WaveChunks chunks;
    chunks.format = readFormat(image.sliced(fmt->offset, fmt->size));
    if (chunks.format.blockAlign == 0)
        return std::nullopt;
    chunks.dataOffset = data->offset;
    chunks.dataSize = data->size;
    return chunks;
}

QByteArray makeWave8BitMono(QByteArrayView samples, quint32 samplesPerSec) {
    const auto dataSize = static_cast<quint32>(samples.size());
    const quint32 pad = dataSize & 1;
    QByteArray out;
    out.reserve(44 + dataSize + pad);
    out.append("RIFF");
    append32(out, 36 + dataSize + pad);
    out.append("WAVEfmt ");
    append32(out, 16);
    append16(out, 1); // PCM
    append16(out, 1); // mono
    append32(out, samplesPerSec);
    append32(out, samplesPerSec); // one byte per sample
    append16(out, 1);             // block align
    append16(out, 8);             // bits per sample
    out.append("data");
    append32(out, dataSize);
    out.append(samples.data(), samples.size());
    if (pad)
        out.append('\0');
    return out;
}

qint64 roundHalfEven(double value) {
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<qint64>(std::nearbyint(value));
}

qint64 divideHalfEven(qint64 numerator, qint64 denominator) {
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (quotient & 1)))
        return quotient + 1;
    return quotient;
}

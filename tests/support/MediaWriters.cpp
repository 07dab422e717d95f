#include "support/MediaWriters.h"

#include "Video.h"

#include <QImage>
#include <QtEndian>

#include <vector>

namespace {

template <class T> void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    put(out, quint32(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}
} // namespace

QByteArray MediaWriters::wave(int sampleRate, int bitsPerSample, int channels,
                              const QByteArray& pcm) {
    QByteArray fmt;
    put(fmt, quint16(1));
    put(fmt, quint16(channels));
    put(fmt, quint32(sampleRate));
    put(fmt, quint32(sampleRate * channels * bitsPerSample / 8));
    put(fmt, quint16(channels * bitsPerSample / 8));
    put(fmt, quint16(bitsPerSample));
    return chunk("RIFF", QByteArray("WAVE", 4) + chunk("fmt ", fmt) + chunk("data", pcm));
}

QByteArray MediaWriters::silence(int milliseconds) {
    return wave(11025, 8, 1, QByteArray(11025 * milliseconds / 1000, char(128)));
}

QList<QColor> MediaWriters::frameColours(int n) {
    QList<QColor> colours;
    for (int i = 0; i < n; ++i)
        colours << QColor::fromHsv((i * 47) % 360, 255, 40 + (i * 53) % 200);
    return colours;
}

// Written by the content tool's AVI writer, then given the frame duration and index asked for.
QByteArray MediaWriters::mjpegAvi(const QList<QColor>& colours, QSize size,
                                  const AviOptions& options) {
    std::vector<QByteArray> frames;
    for (int i = 0; i < colours.size(); ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colours[i]);
        frames.push_back(options.emptyFrames.contains(i) ? QByteArray() : Video::jpeg(image, 95));
    }
    QByteArray avi = Video::motionJpeg(frames, size, 25);
    // The first field of avih, after the RIFF, LIST hdrl and avih chunk headers.
    qToLittleEndian(options.microsPerFrame, avi.data() + 32);
    if (!options.withIndex) {
        avi.chop(8 + 16 * colours.size()); // idx1, the last chunk
        qToLittleEndian(quint32(avi.size() - 8), avi.data() + 4);
    }
    return avi;
}

#include "support/MediaWriters.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace {

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    put32(out, quint32(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

QByteArray list(const char* type, const QByteArray& body) {
    return chunk("LIST", QByteArray(type, 4) + body);
}

QByteArray jpeg(const QColor& colour, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QByteArray mainHeader(const MediaWriters::AviOptions& options, int frames, QSize size) {
    QByteArray avih;
    put32(avih, options.microsPerFrame);
    for (quint32 v : {0u, 0u, 0x10u, quint32(frames), 0u, 1u, 0u})
        put32(avih, v);
    put32(avih, quint32(size.width()));
    put32(avih, quint32(size.height()));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);
    return chunk("avih", avih);
}

QByteArray streamList(const MediaWriters::AviOptions& options, int frames, QSize size) {
    QByteArray strh("vidsMJPG", 8);
    for (quint32 v :
         {0u, 0u, 0u, options.microsPerFrame, 1000000u, 0u, quint32(frames), 0u, quint32(-1), 0u})
        put32(strh, v);
    for (int i = 0; i < 4; ++i)
        put16(strh, 0);
    QByteArray strf;
    put32(strf, 40);
    put32(strf, quint32(size.width()));
    put32(strf, quint32(size.height()));
    put16(strf, 1);
    put16(strf, 24);
    strf += QByteArray("MJPG", 4);
    for (int i = 0; i < 5; ++i)
        put32(strf, 0);
    return list("strl", chunk("strh", strh) + chunk("strf", strf));
}
} // namespace

QByteArray MediaWriters::wave(int sampleRate, int bitsPerSample, int channels,
                              const QByteArray& pcm) {
    QByteArray fmt;
    put16(fmt, 1);
    put16(fmt, quint16(channels));
    put32(fmt, quint32(sampleRate));
    put32(fmt, quint32(sampleRate * channels * bitsPerSample / 8));
    put16(fmt, quint16(channels * bitsPerSample / 8));
    put16(fmt, quint16(bitsPerSample));
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

QByteArray MediaWriters::mjpegAvi(const QList<QColor>& colours, QSize size,
                                  const AviOptions& options) {
    QByteArray movi;
    QByteArray index;
    for (int i = 0; i < colours.size(); ++i) {
        const QByteArray frame =
            options.emptyFrames.contains(i) ? QByteArray() : jpeg(colours[i], size);
        put32(index, 0x63643030); // "00dc"
        put32(index, 0x10);
        put32(index, quint32(4 + movi.size()));
        put32(index, quint32(frame.size()));
        movi += chunk("00dc", frame);
    }
    const int frames = int(colours.size());
    QByteArray body =
        QByteArray("AVI ", 4) +
        list("hdrl", mainHeader(options, frames, size) + streamList(options, frames, size)) +
        list("movi", movi);
    if (options.withIndex)
        body += chunk("idx1", index);
    return chunk("RIFF", body);
}

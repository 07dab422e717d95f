#include "Video.h"

#include <QBuffer>
#include <QtEndian>

namespace Video {

namespace {
void u32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}
void u16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray out(id, 4);
    u32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out += '\0';
    return out;
}
QByteArray list(const char* type, const QByteArray& data) {
    QByteArray body(type, 4);
    body += data;
    return chunk("LIST", body);
}

QByteArray mainHeader(const QSize& size, int frames, int fps, quint32 largest) {
    QByteArray h;
    u32(h, quint32(1000000 / fps)); // microseconds per frame
    u32(h, largest * quint32(fps)); // max bytes per second
    u32(h, 0);                      // padding granularity
    u32(h, 0x10);                   // AVIF_HASINDEX
    u32(h, quint32(frames));
    u32(h, 0); // initial frames
    u32(h, 1); // streams
    u32(h, largest);
    u32(h, quint32(size.width()));
    u32(h, quint32(size.height()));
    for (int i = 0; i < 4; ++i)
        u32(h, 0);
    return chunk("avih", h);
}

QByteArray streamHeaders(const QSize& size, int frames, int fps, quint32 largest) {
    QByteArray strh("vidsMJPG", 8);
    u32(strh, 0); // flags
    u16(strh, 0); // priority
    u16(strh, 0); // language
    u32(strh, 0); // initial frames
    u32(strh, 1); // scale
    u32(strh, quint32(fps));
    u32(strh, 0); // start
    u32(strh, quint32(frames));
    u32(strh, largest);
    u32(strh, 0xFFFFFFFF); // quality: default
    u32(strh, 0);          // sample size: varies
    u16(strh, 0);
    u16(strh, 0);
    u16(strh, quint16(size.width()));
    u16(strh, quint16(size.height()));
    QByteArray strf;
    u32(strf, 40);
    u32(strf, quint32(size.width()));
    u32(strf, quint32(size.height()));
    u16(strf, 1);  // planes
    u16(strf, 24); // bits per pixel
    strf += QByteArray("MJPG", 4);
    u32(strf, quint32(size.width() * size.height() * 3));
    for (int i = 0; i < 4; ++i)
        u32(strf, 0);
    return list("strl", chunk("strh", strh) + chunk("strf", strf));
}
} // namespace

QByteArray motionJpeg(const std::vector<QByteArray>& frames, const QSize& size, int fps) {
    quint32 largest = 0;
    QByteArray movi("movi", 4);
    QByteArray index;
    for (const QByteArray& frame : frames) {
        largest = std::max(largest, quint32(frame.size()));
        index += QByteArray("00dc", 4);
        u32(index, 0x10);                 // AVIIF_KEYFRAME
        u32(index, quint32(movi.size())); // offset from the 'movi' type
        u32(index, quint32(frame.size()));
        movi += chunk("00dc", frame);
    }
    const int count = int(frames.size());
    QByteArray body("AVI ", 4);
    body += list("hdrl",
                 mainHeader(size, count, fps, largest) + streamHeaders(size, count, fps, largest));
    body += chunk("LIST", movi);
    body += chunk("idx1", index);
    return chunk("RIFF", body);
}

QByteArray jpeg(const QImage& frame, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    frame.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", quality);
    return bytes;
}

} // namespace Video

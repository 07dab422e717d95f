#pragma once

#include "sound/MciSender.h"

#include "support/TestFiles.h"

#include <QByteArray>
#include <QtEndian>

// Builds RIFF/WAVE images chunk by chunk, so tests can make well-formed and damaged files.
class WaveBuilder {
public:
    template <typename T> static QByteArray le(T value) {
        QByteArray bytes(sizeof(T), '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    }
    static QByteArray le16(quint16 value) { return le(value); }
    static QByteArray le32(quint32 value) { return le(value); }
    // A format header: PCM, the given block align, 11 025 Hz, `extra` more bytes after the 16.
    static QByteArray format(quint16 blockAlign, quint16 channels = 1, int extra = 2) {
        QByteArray fmt = le16(1) + le16(channels) + le32(11025) + le32(11025 * blockAlign) +
                         le16(blockAlign) + le16(8 * blockAlign / channels);
        for (int i = 0; i < extra; ++i)
            fmt.append(char(0x50 + i));
        return fmt;
    }

    // Appends a chunk; declaredSize < 0 writes the real size. Odd chunks get their pad byte.
    WaveBuilder& chunk(const char* id, const QByteArray& contents, qint64 declaredSize = -1,
                       bool pad = true) {
        body_ += QByteArray(id, 4);
        body_ += le32(quint32(declaredSize < 0 ? contents.size() : declaredSize));
        body_ += contents;
        if (pad && (contents.size() & 1))
            body_ += '\0';
        return *this;
    }

    QByteArray image() const { return "RIFF" + le32(quint32(4 + body_.size())) + "WAVE" + body_; }

private:
    QByteArray body_;
};

// 16-bit little-endian samples, one after the other.
inline QByteArray int16Samples(std::initializer_list<qint16> values) {
    QByteArray bytes;
    for (qint16 v : values)
        bytes += WaveBuilder::le16(quint16(v));
    return bytes;
}

// An engine's command sender for tests that only read files: it knows no command.
class NoCommands : public MciSender {
public:
    int send(const QString&, QString* reply) override {
        if (reply)
            reply->clear();
        return MciUnrecognizedCommand;
    }
};

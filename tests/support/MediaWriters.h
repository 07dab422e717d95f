#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>

// Small media files made by the tests themselves.
namespace MediaWriters {

// A RIFF/WAVE image of PCM samples (8-bit unsigned or 16-bit signed), as given.
QByteArray wave(int sampleRate, int bitsPerSample, int channels, const QByteArray& pcm);
// A silent 8-bit mono wave of the given length at 11 025 Hz.
QByteArray silence(int milliseconds);

struct AviOptions {
    quint32 microsPerFrame = 40000;
    bool withIndex = true;
    QList<int> emptyFrames; // frame numbers written as empty chunks (repeat the previous one)
};
// A motion-JPEG AVI image whose frame i is a plain picture of colours[i].
QByteArray mjpegAvi(const QList<QColor>& colours, QSize size, const AviOptions& options = {});
// Distinct colours for n frames.
QList<QColor> frameColours(int n);
} // namespace MediaWriters

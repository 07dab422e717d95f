#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Turns PCM captured in another layout into 8-bit unsigned mono at 11 025 samples per second:
// channels are averaged, and each output sample is the mean of the input frames it spans.
// Frames split between two calls are kept for the next one.
class PcmConverter {
public:
    enum class SampleFormat { UInt8, Int16, Int32, Float };
    static constexpr int OutputRate = 11025;

    PcmConverter(SampleFormat format, int channels, int sampleRate);

    QByteArray convert(QByteArrayView bytes);

private:
    double sampleAt(const char* at) const; // one input sample in [-1, 1]

    SampleFormat format_;
    int channels_;
    int bytesPerSample_;
    qint64 inputRate_;
    QByteArray pending_;
    qint64 phase_ = 0; // output samples owed, in units of 1 / inputRate_
    double sum_ = 0.0;
    int frames_ = 0;
};

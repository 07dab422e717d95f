#include "sound/PcmConverter.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

int bytesPer(PcmConverter::SampleFormat format) {
    switch (format) {
    case PcmConverter::SampleFormat::UInt8:
        return 1;
    case PcmConverter::SampleFormat::Int16:
        return 2;
    case PcmConverter::SampleFormat::Int32:
    case PcmConverter::SampleFormat::Float:
        return 4;
    }
    return 1;
}

char toUnsigned8(double value) {
    return char(std::clamp<long>(std::lround(value * 128.0) + 128, 0, 255));
}

} // namespace

PcmConverter::PcmConverter(SampleFormat format, int channels, int sampleRate)
    : format_(format), channels_(std::max(channels, 1)), bytesPerSample_(bytesPer(format)),
      inputRate_(std::max(sampleRate, 1)) {}

double PcmConverter::sampleAt(const char* at) const {
    switch (format_) {
    case SampleFormat::UInt8:
        return (quint8(*at) - 128) / 128.0;
    case SampleFormat::Int16:
        return qFromLittleEndian<qint16>(at) / 32768.0;
    case SampleFormat::Int32:
        return qFromLittleEndian<qint32>(at) / 2147483648.0;
    case SampleFormat::Float:
        return std::clamp(double(qFromLittleEndian<float>(at)), -1.0, 1.0);
    }
    return 0.0;
}

QByteArray PcmConverter::convert(QByteArrayView bytes) {
    pending_.append(bytes.data(), bytes.size());
    const qsizetype frameBytes = qsizetype(bytesPerSample_) * channels_;
    const qsizetype whole = pending_.size() / frameBytes * frameBytes;
    QByteArray out;
    for (qsizetype frame = 0; frame < whole; frame += frameBytes) {
        double mono = 0.0;
        for (int c = 0; c < channels_; ++c)
            mono += sampleAt(pending_.constData() + frame + c * bytesPerSample_);
        sum_ += mono / channels_;
        ++frames_;
        phase_ += OutputRate;
        if (phase_ < inputRate_)
            continue;
        const char sample = toUnsigned8(sum_ / frames_);
        for (; phase_ >= inputRate_; phase_ -= inputRate_)
            out.append(sample);
        sum_ = 0.0;
        frames_ = 0;
    }
    pending_.remove(0, whole);
    return out;
}

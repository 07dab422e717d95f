#include "platform/QtAudioCapture.h"

#include "platform/NullAudioCapture.h"
#include "sound/PcmConverter.h"

#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>
#include <optional>

namespace {

QAudioFormat recordingFormat() {
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::UInt8);
    format.setChannelCount(1);
    format.setSampleRate(PcmConverter::OutputRate);
    return format;
}

std::optional<PcmConverter::SampleFormat> converterFormat(QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return PcmConverter::SampleFormat::UInt8;
    case QAudioFormat::Int16:
        return PcmConverter::SampleFormat::Int16;
    case QAudioFormat::Int32:
        return PcmConverter::SampleFormat::Int32;
    case QAudioFormat::Float:
        return PcmConverter::SampleFormat::Float;
    default:
        return std::nullopt;
    }
}

} // namespace

// Receives what the audio source writes and appends it, converted when needed, to the
// recording.
class QtAudioCapture::Sink : public QIODevice {
public:
    Sink(QByteArray& samples, std::optional<PcmConverter> converter)
        : samples_(samples), converter_(std::move(converter)) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const QByteArrayView bytes(data, size);
        if (converter_)
            samples_ += converter_->convert(bytes);
        else
            samples_.append(bytes);
        return size;
    }

private:
    QByteArray& samples_;
    std::optional<PcmConverter> converter_;
};

QtAudioCapture::QtAudioCapture(const QAudioDevice& device, QObject* parent)
    : AudioCapture(parent), device_(device) {}

QtAudioCapture::~QtAudioCapture() {
    stop();
}

bool QtAudioCapture::start() {
    stop();
    samples_.clear();
    QAudioFormat format = recordingFormat();
    std::optional<PcmConverter> converter;
    if (!device_.isFormatSupported(format)) {
        format = device_.preferredFormat();
        const auto sampleFormat = converterFormat(format.sampleFormat());
        if (!sampleFormat)
            return false;
        converter.emplace(*sampleFormat, format.channelCount(), format.sampleRate());
    }
    sink_ = std::make_unique<Sink>(samples_, std::move(converter));
    source_ = std::make_unique<QAudioSource>(device_, format);
    source_->start(sink_.get());
    if (source_->error() == QAudio::NoError)
        return true;
    source_.reset();
    sink_.reset();
    return false;
}

void QtAudioCapture::stop() {
    if (!source_)
        return;
    source_->stop();
    source_.reset();
    sink_.reset();
}

bool QtAudioCapture::isCapturing() const {
    return source_ != nullptr;
}

std::unique_ptr<AudioCapture> makeAudioCapture() {
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (!input.isNull())
        return std::make_unique<QtAudioCapture>(input);
    return std::make_unique<NullAudioCapture>();
}

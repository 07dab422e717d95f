#include "sound/MciInterpreter.h"

#include "platform/Audio.h"
#include "sound/WaveFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QString CaptureAlias = QStringLiteral("capture");
const QString SoundAlias = QStringLiteral("sound");
constexpr qint64 MaxWaveFileBytes = 256 * 1024 * 1024;

QRegularExpression command(const char* pattern) {
    return QRegularExpression(QString::fromLatin1(pattern),
                              QRegularExpression::CaseInsensitiveOption);
}

const QRegularExpression OpenCapture =
    command(R"(^open\s+new\s+type\s+waveaudio\s+alias\s+capture$)");
const QRegularExpression RecordCapture = command(R"(^record\s+capture$)");
const QRegularExpression SaveCapture = command(R"(^save\s+capture\s+(.+)$)");
const QRegularExpression OpenSound = command(R"(^open\s+waveaudio!(.*)\s+alias\s+sound$)");
const QRegularExpression PlaySound =
    command(R"(^play\s+sound\s+from\s+(\d{1,12})\s+to\s+(\d{1,12})$)");
const QRegularExpression StatusSound = command(R"(^status\s+sound\s+(length|position)$)");
const QRegularExpression StopOrClose = command(R"(^(stop|close)\s+(\S+)$)");

// Length in milliseconds of the wave file at path, or -1 when it is not a readable wave.
qint64 waveLengthMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxWaveFileBytes)
        return -1;
    const auto chunks = parseWave(file.readAll());
    if (!chunks || chunks->format.avgBytesPerSec == 0)
        return -1;
    return divideHalfEven(qint64(chunks->dataSize) * 1000, chunks->format.avgBytesPerSec);
}

} // namespace

MciInterpreter::MciInterpreter(AudioSystem& audio, QObject* parent)
    : QObject(parent), audio_(audio) {}

MciInterpreter::~MciInterpreter() {
    stopSound();
    stopCapture();
}

int MciInterpreter::send(const QString& text, QString* reply) {
    if (reply)
        reply->clear();
    const QString line = text.trimmed();
    QRegularExpressionMatch m;
    if (OpenCapture.match(line).hasMatch())
        return openCapture();
    if (RecordCapture.match(line).hasMatch())
        return recordCapture();
    if ((m = SaveCapture.match(line)).hasMatch())
        return saveCapture(m.captured(1));
    if ((m = OpenSound.match(line)).hasMatch())
        return openSound(m.captured(1));
    if ((m = PlaySound.match(line)).hasMatch())
        return playSound(m.captured(1).toLongLong(), m.captured(2).toLongLong());
    if ((m = StatusSound.match(line)).hasMatch())
        return soundStatus(m.captured(1).toLower(), reply);
    if ((m = StopOrClose.match(line)).hasMatch()) {
        const QString alias = m.captured(2).toLower();
        return m.captured(1).toLower() == u"stop" ? stop(alias) : close(alias);
    }
    return MciUnrecognizedCommand;
}

int MciInterpreter::openCapture() {
    if (capture_.open)
        return MciDuplicateAlias;
    if (!input_)
        input_ = audio_.createCapture();
    capture_ = Capture{};
    capture_.open = true;
    return MciOk;
}

int MciInterpreter::recordCapture() {
    if (!capture_.open)
        return MciInvalidDeviceName;
    if (capture_.recording)
        return MciOk;
    if (!input_->start())
        return MciDeviceNotReady;
    capture_.recording = true;
    return MciOk;
}

QByteArray MciInterpreter::capturedSamples() const {
    return capture_.recording ? capture_.samples + input_->samples() : capture_.samples;
}

int MciInterpreter::saveCapture(const QString& path) {
    if (!capture_.open)
        return MciInvalidDeviceName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(makeWave8BitMono(capturedSamples())) < 0 ||
        !file.commit())
        return MciFileNotSaved;
    return MciOk;
}

int MciInterpreter::openSound(const QString& path) {
    if (sound_.open)
        return MciDuplicateAlias;
    if (path.isEmpty() || !QFile::exists(path))
        return MciFileNotFound;
    const qint64 length = waveLengthMs(path);
    if (length < 0)
        return MciInvalidFile;
    if (!channel_) {
        channel_ = audio_.createChannel();
        connect(channel_.get(), &AudioChannel::finished, this, &MciInterpreter::onSoundFinished);
    }
    sound_ = Sound{};
    sound_.open = true;
    sound_.path = path;
    sound_.lengthMs = length;
    return MciOk;
}

int MciInterpreter::playSound(qint64 fromMs, qint64 toMs) {
    if (!sound_.open)
        return MciInvalidDeviceName;
    toMs = std::min(toMs, sound_.lengthMs);
    if (fromMs > toMs)
        return MciOutOfRange;
    sound_.playing = true;
    sound_.playToMs = toMs;
    sound_.positionMs = fromMs;
    channel_->playFileRange(sound_.path, fromMs, toMs);
    return MciOk;
}

int MciInterpreter::soundStatus(const QString& item, QString* reply) {
    if (!sound_.open)
        return MciInvalidDeviceName;
    qint64 value = sound_.lengthMs;
    if (item == u"position")
        value = sound_.playing ? std::clamp(channel_->positionMs(), qint64(0), sound_.playToMs)
                               : sound_.positionMs;
    if (reply)
        *reply = QString::number(value);
    return MciOk;
}

void MciInterpreter::onSoundFinished() {
    if (!sound_.playing)
        return;
    sound_.playing = false;
    sound_.positionMs = sound_.playToMs;
}

void MciInterpreter::stopSound() {
    if (!sound_.playing)
        return;
    sound_.positionMs = std::clamp(channel_->positionMs(), qint64(0), sound_.playToMs);
    sound_.playing = false;
    channel_->stop();
}

void MciInterpreter::stopCapture() {
    if (!capture_.recording)
        return;
    input_->stop();
    capture_.samples += input_->samples();
    capture_.recording = false;
}

int MciInterpreter::stop(const QString& alias) {
    if (alias == SoundAlias && sound_.open)
        stopSound();
    else if (alias == CaptureAlias && capture_.open)
        stopCapture();
    else
        return MciInvalidDeviceName;
    return MciOk;
}

int MciInterpreter::close(const QString& alias) {
    if (stop(alias) != MciOk)
        return MciInvalidDeviceName;
    if (alias == SoundAlias)
        sound_ = Sound{};
    else
        capture_ = Capture{};
    return MciOk;
}

#include "sound/SoundEngine.h"

#include "platform/Clock.h"
#include "sound/StudioView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

namespace {

// Wave files of the program hold a few seconds of sound; anything far larger is refused
// rather than read into memory.
constexpr qint64 MaxWaveFileBytes = 256 * 1024 * 1024;

constexpr quint32 IdleModelColour = 0x4000;
constexpr quint32 IdleRecordingColour = 0x404000;
constexpr int IdleState = 2;

// The number at the start of a reply ("1000" → 1000); 0 when it starts with none.
double leadingNumber(const QString& reply) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[-+]?(\d+\.?\d*|\.\d+))"));
    return number.match(reply).captured(0).trimmed().toDouble();
}

} // namespace

Spectro::Spectro(MciSender& mci, Clock& clock) : mci_(mci), clock_(clock) {
    shortPath = [](const QString& path) { return QFileInfo::exists(path) ? path : QString(); };
    processEvents = [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); };
}

void Spectro::clearWave() {
    WaveFormat = {};
    WaveData.clear();
    SampleCount = 0;
}

void Spectro::LoadWave(const QString& path) {
    WaveLoaded = false;
    clearWave();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxWaveFileBytes)
        return;
    const QByteArray image = file.readAll();
    const auto chunks = parseWave(image);
    if (!chunks)
        return;
    WaveFormat = chunks->format;
    WaveData = image.mid(chunks->dataOffset, chunks->dataSize);
    SampleCount = static_cast<qint32>(divideHalfEven(chunks->dataSize, WaveFormat.blockAlign));
    WaveLoaded = true;
}

double Spectro::GetSample(qint32 index) const {
    const qint64 offset = qint64(index) * WaveFormat.blockAlign;
    if (index < 0 || offset >= WaveData.size())
        return 0.0;
    return (static_cast<quint8>(WaveData[offset]) - 128) / 128.0;
}

void Spectro::StartRecording(StudioView& view) {
    view.setRecordingTimerEnabled(true);
    mci_.send(QStringLiteral("open new type waveaudio alias capture"));
    mci_.send(QStringLiteral("record capture"));
    waitOneSecond();
}

// Lets the recording get going for a second while the window stays live. The wait also ends
// when the time of day wraps round at midnight, which would otherwise never pass the mark.
void Spectro::waitOneSecond() {
    const double start = clock_.secondsOfDay();
    const double mark = start + 1.0;
    // Wakes the event wait regularly, so the clock is read even when no event comes.
    QTimer heartbeat;
    heartbeat.start(10);
    for (double now = start; now <= mark && now >= start; now = clock_.secondsOfDay())
        processEvents();
}

void Spectro::StopRecording() {
    mci_.send(QStringLiteral("stop capture"));
    mci_.send(SaveCommand);
    mci_.send(QStringLiteral("close capture"));
    mci_.send(QStringLiteral("stop sound"));
    mci_.send(QStringLiteral("close sound"));
}

void Spectro::PlayStretch(StudioView& view) {
    StretchFrom = static_cast<qint32>(roundHalfEven(StretchFrom * MsPerSample));
    StretchTo = static_cast<qint32>(roundHalfEven(StretchTo * MsPerSample));
    mci_.send(QStringLiteral("stop sound"));
    mci_.send(QStringLiteral("close sound"));
    const QString open = QStringLiteral("open waveaudio!%1 alias sound").arg(shortPath(FileToPlay));
    if (mci_.send(open) != MciOk)
        return;
    mci_.send(QStringLiteral("play sound from %1 to %2").arg(StretchFrom).arg(StretchTo));
    view.setPlaybackTimerEnabled(true);
}

void Spectro::CloseAllSound() {
    mci_.send(QStringLiteral("stop sound"));
    mci_.send(QStringLiteral("close sound"));
    mci_.send(QStringLiteral("stop capture"));
    mci_.send(QStringLiteral("close capture"));
}

void Spectro::PlaybackTick(StudioView& view) {
    QString reply;
    mci_.send(QStringLiteral("status sound length"), &reply);
    const double length = leadingNumber(reply);
    if (length == 0.0)
        return;
    mci_.send(QStringLiteral("status sound position"), &reply);
    const float fraction = static_cast<float>(leadingNumber(reply)) / static_cast<float>(length);
    const int box = CurrentWave == 2 ? 2 : 1;
    // The cursor line keeps its ends in single precision, as the fraction is.
    float x = static_cast<float>(CursorScale) * fraction;
    if (SelStartX[box] != SelEndX[box])
        x = static_cast<float>((double(x) - SelStartX[box]) * CursorScale /
                               (SelEndX[box] - SelStartX[box]));
    view.setCursorX(box, x);
    if (x > CursorEnd)
        endPlayback(view, box);
}

void Spectro::endPlayback(StudioView& view, int box) {
    view.setCursorX(box, CursorParked);
    view.setPlaybackTimerEnabled(false);
    view.clearOverlay(box);
    view.setButtonLook(1, IdleModelColour, IdleState);
    view.setButtonEnabled(2, true);
    view.setButtonLook(4, IdleRecordingColour, IdleState);
    for (int frame = 0; frame <= 2; ++frame)
        view.setFrameEnabled(frame, true);
    view.setBoxEnabled(1, true);
    view.setBoxEnabled(2, true);
}

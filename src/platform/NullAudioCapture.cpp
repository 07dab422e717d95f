#include "platform/NullAudioCapture.h"

namespace {
constexpr qint64 SamplesPerSecond = 11025;
constexpr char Silence = char(128);
} // namespace

NullAudioCapture::NullAudioCapture()
    : ownClock_(std::make_unique<SystemClock>()), clock_(*ownClock_) {}

NullAudioCapture::NullAudioCapture(Clock& clock) : clock_(clock) {}

NullAudioCapture::~NullAudioCapture() = default;

bool NullAudioCapture::start() {
    capturing_ = true;
    startMs_ = clock_.monotonicMs();
    stoppedAfterMs_ = 0;
    return true;
}

void NullAudioCapture::stop() {
    if (!capturing_)
        return;
    stoppedAfterMs_ = elapsedMs();
    capturing_ = false;
}

qint64 NullAudioCapture::elapsedMs() const {
    return capturing_ ? std::max<qint64>(clock_.monotonicMs() - startMs_, 0) : stoppedAfterMs_;
}

QByteArray NullAudioCapture::samples() const {
    return QByteArray(elapsedMs() * SamplesPerSecond / 1000, Silence);
}

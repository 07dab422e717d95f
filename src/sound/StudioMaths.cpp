#include "sound/StudioMaths.h"

#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"

#include <algorithm>
#include <cstdlib>

namespace StudioMaths {

namespace {
// The least departure from silence that counts as sound.
constexpr int NoiseFloor = 2;
} // namespace

int thousandths(double x, double width) {
    return static_cast<int>(roundHalfEven(1000.0 / width * x));
}

std::optional<Selection> selectionOnRelease(int pressX, int releaseX, int width) {
    releaseX = std::clamp(releaseX, 0, BoxWidth);
    if (releaseX == pressX)
        return std::nullopt;
    if (releaseX <= LeftMargin)
        releaseX = LeftMargin;
    else if (releaseX >= width)
        releaseX = width - RightMargin;
    const int pressPm = thousandths(pressX, width);
    const int releasePm = thousandths(releaseX, width);
    Selection selection;
    selection.startPm = std::min(pressPm, releasePm);
    selection.endPm = std::max(pressPm, releasePm);
    selection.startX = pressPm <= releasePm ? pressX : releaseX;
    selection.endX = pressPm <= releasePm ? releaseX : pressX;
    return selection;
}

qint32 sampleAt(int pm, qint32 sampleCount) {
    return static_cast<qint32>(roundHalfEven(pm / 1000.0 * sampleCount));
}

QVector<int> waveLevels(const Spectro& wave, int width, int height) {
    QVector<int> levels;
    if (!wave.WaveLoaded)
        return levels;
    const double step = double(wave.StretchTo - wave.StretchFrom) / width;
    const int mid = static_cast<int>(roundHalfEven(height / 2.0));
    levels.reserve(width / DrawStep + 1);
    for (int x = 0; x <= width; x += DrawStep) {
        const auto index = static_cast<qint32>(roundHalfEven(step * x + wave.StretchFrom));
        levels.append(static_cast<int>(roundHalfEven(wave.GetSample(index) * mid)));
    }
    return levels;
}

bool holdsSound(const QByteArray& data, int blockAlign) {
    if (blockAlign <= 0)
        return false;
    for (qsizetype i = 0; i < data.size(); i += blockAlign)
        if (std::abs(static_cast<quint8>(data[i]) - 128) >= NoiseFloor)
            return true;
    return false;
}

} // namespace StudioMaths

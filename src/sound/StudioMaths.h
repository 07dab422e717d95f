#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

class Spectro;

// The arithmetic of the recording studio's waveform boxes, kept apart from the window so that
// it can be checked on its own. Positions are in twips inside a box.
namespace StudioMaths {

// Width and height of a waveform box, and the step between two drawn points.
constexpr int BoxWidth = 6090;
constexpr int BoxHeight = 1600;
constexpr int DrawStep = 10;
// A release this close to an edge of the box is moved inside it.
constexpr int LeftMargin = 10;
constexpr int RightMargin = 80;

// Position x as thousandths of width w, rounded half to even.
int thousandths(double x, double width);

// A selected stretch of a box, in thousandths of the whole sound and in twips.
struct Selection {
    int startPm = 0;
    int endPm = 0;
    int startX = 0;
    int endX = 0;
    bool operator==(const Selection&) const = default;
};

// What a release at releaseX makes of a press at pressX in the normal view: a selection, or
// nothing when the release lies at the press point (the whole sound again).
std::optional<Selection> selectionOnRelease(int pressX, int releaseX, int width = BoxWidth);

// Sample index of thousandths pm of sampleCount samples, rounded half to even.
qint32 sampleAt(int pm, qint32 sampleCount);

// The heights, below the middle line, of the points drawn every DrawStep twips across a box
// for the stretch StretchFrom..StretchTo of the loaded wave: point k lies at x = k * DrawStep.
QVector<int> waveLevels(const Spectro& wave, int width = BoxWidth, int height = BoxHeight);

// True when the samples carry something to hear: some sample departs from silence (128) by
// more than the least noise of an 8-bit input.
bool holdsSound(const QByteArray& data, int blockAlign);

} // namespace StudioMaths

#pragma once

#include "Scenes.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

// Hotspot files (\Hotspot\*.hsp): one shape a line, "<index> rect|ellipse|poly <numbers>",
// after a "size <width> <height>" line naming the picture size the coordinates refer to.
namespace Hotspots {
struct Entry {
    int index;
    HotShape shape;
};

// The hotspots of an exercise picture, for exploring or, when the picture has them, for the
// question phase.
std::vector<Entry> ofScene(const Scene& scene, bool questionPhase = false);
QByteArray format(const QSize& pictureSize, const std::vector<Entry>& entries,
                  const QString& comment);
bool write(const QString& path, const QByteArray& text);
} // namespace Hotspots

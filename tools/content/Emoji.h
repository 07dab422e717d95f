#pragma once

#include <QRectF>
#include <QString>

class QPainter;
class QImage;

// Colour emoji drawn as pictures: each glyph is rendered once at the font's native size and
// then scaled into the box asked for, keeping its proportions and centred in the box.
namespace Emoji {
void draw(QPainter& painter, const QRectF& box, const QString& emoji);
// The glyph alone, trimmed to its visible pixels (transparent background).
const QImage& glyph(const QString& emoji);
} // namespace Emoji

#pragma once

#include "Scenes.h"

#include <QColor>
#include <QFont>
#include <QString>

// Hand-painted objects and backdrops of the exercise pictures, in a simple flat style that goes
// with the colour emoji.
namespace Drawings {
ObjectPainter emoji(const QString& emoji, const QString& accent = {});
ObjectPainter clock(int hour, int minute);
ObjectPainter glass(const QColor& liquid, qreal level, const QString& accent = {});
ObjectPainter mug(const QColor& drink, const QString& accent);
ObjectPainter table();
ObjectPainter armchair();
ObjectPainter wardrobe();
ObjectPainter bookcase();
ObjectPainter desk();
ObjectPainter chestOfDrawers();
ObjectPainter blackboard();
ObjectPainter pencil(qreal length);
ObjectPainter colourBlob(const QColor& colour, const QString& emoji);
ObjectPainter numberTile(int number, const QColor& colour);
ObjectPainter tile(const QColor& colour, const QString& emoji, const QString& text);
ObjectPainter card(const QColor& colour, const QString& emoji);

// Backdrops: the whole picture behind the objects.
std::function<void(QPainter&, const QSize&)> outdoor(const QColor& sky, const QColor& ground,
                                                     int horizon);
std::function<void(QPainter&, const QSize&)> room(const QColor& wall, const QColor& floor,
                                                  int floorTop);
std::function<void(QPainter&, const QSize&)> plain(const QColor& top, const QColor& bottom);

// The title band at the top of a picture.
void title(QPainter& painter, const QSize& size, const QString& title, const QString& subtitle);
// A caption under an object (one or more lines separated by line feeds), and its height.
constexpr int CaptionPixels = 14;
void caption(QPainter& painter, const QRectF& box, const QString& text);
int captionHeight(const QString& text);
int captionWidth(const QString& text);
// A pleasant font of the given pixel size.
QFont font(int pixelSize, bool bold = false);
} // namespace Drawings

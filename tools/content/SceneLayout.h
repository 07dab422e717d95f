#pragma once

#include "Scenes.h"

#include <QPointF>
#include <QString>

#include <utility>
#include <vector>

// Helpers that place objects on the exercise pictures in rows.
namespace SceneLayout {
struct Row {
    int count;
    int y;
};
// Centres of objects set out in rows, each row spread evenly across the picture.
std::vector<QPointF> rows(const std::vector<Row>& rows, int margin = 30);
// Emoji objects (index, glyph) at those centres, in order.
std::vector<SceneItem> emojiRows(const std::vector<std::pair<int, QString>>& objects,
                                 const std::vector<Row>& rowList, qreal side);
// A square box of the given side centred on a point.
QRectF square(QPointF centre, qreal side);
} // namespace SceneLayout

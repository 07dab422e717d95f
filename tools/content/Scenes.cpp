#include "Scenes.h"

#include "Drawings.h"

#include <QPainterPath>

bool HotShape::contains(const QPoint& point) const {
    switch (kind) {
    case Kind::Rect:
        return rect.contains(point);
    case Kind::Ellipse: {
        if (rect.width() <= 0 || rect.height() <= 0)
            return false;
        const double dx = (point.x() - (rect.x() + rect.width() / 2.0)) / (rect.width() / 2.0);
        const double dy = (point.y() - (rect.y() + rect.height() / 2.0)) / (rect.height() / 2.0);
        return dx * dx + dy * dy <= 1.0;
    }
    case Kind::Poly:
        return polygon.containsPoint(point, Qt::OddEvenFill);
    }
    return false;
}

std::vector<HotShape> SceneItem::shapes() const {
    if (!hotspot.empty())
        return hotspot;
    if (!caption.isEmpty()) {
        const int height = Drawings::captionHeight(caption);
        const qreal halfWidth =
            std::max(box.width() + 12, Drawings::captionWidth(caption) + 4.0) / 2;
        const QRectF area(box.center().x() - halfWidth, box.top() - 6, 2 * halfWidth,
                          box.height() + 14 + height);
        return {HotShape::rectangle(area.toRect())};
    }
    return {HotShape::ellipse(box.adjusted(-8, -8, 8, 8).toRect())};
}

namespace Scenes {

SceneItem emoji(int index, const QString& glyph, QPointF centre, qreal side) {
    SceneItem item;
    item.index = index;
    item.box = QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
    item.draw = Drawings::emoji(glyph);
    return item;
}

SceneItem painted(int index, const QRectF& box, ObjectPainter draw) {
    SceneItem item;
    item.index = index;
    item.box = box;
    item.draw = std::move(draw);
    return item;
}

const std::vector<Scene>& all() {
    static const std::vector<Scene> scenes = [] {
        std::vector<Scene> list = themes();
        for (Scene& scene : listes())
            list.push_back(std::move(scene));
        for (Scene& scene : opposites())
            list.push_back(std::move(scene));
        return list;
    }();
    return scenes;
}

} // namespace Scenes

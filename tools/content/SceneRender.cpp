#include "SceneRender.h"

#include "Drawings.h"

#include <QPainter>

namespace SceneRender {

namespace {
std::vector<HotShape> allShapes(const Scene& scene) {
    std::vector<HotShape> shapes;
    for (const SceneItem& item : scene.items)
        for (const HotShape& shape : item.shapes())
            shapes.push_back(shape);
    return shapes;
}

void drawShape(QPainter& p, const HotShape& shape) {
    const QRect r = shape.rect.adjusted(3, 3, -3, -3);
    switch (shape.kind) {
    case HotShape::Kind::Rect:
        p.drawRoundedRect(r, 8, 8);
        break;
    case HotShape::Kind::Ellipse:
        p.drawEllipse(r);
        break;
    case HotShape::Kind::Poly:
        p.drawPolygon(shape.polygon);
        break;
    }
}

void outline(QPainter& p, const std::vector<HotShape>& shapes) {
    p.setBrush(Qt::NoBrush);
    for (const QColor& colour : {QColor(255, 170, 0), QColor(255, 240, 120)}) {
        p.setPen(
            QPen(colour, colour.green() > 200 ? 2 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const HotShape& shape : shapes)
            drawShape(p, shape);
    }
}

// The scene; lit, each object stands on a warm glow inside its outlined hotspot.
QImage paint(const Scene& scene, bool lit) {
    QImage image(Scenes::PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    scene.backdrop(p, image.size());
    for (const SceneItem& item : scene.items) {
        if (!item.patch.isValid())
            continue;
        p.setPen(QPen(item.patch.darker(125), 2));
        p.setBrush(item.patch);
        p.drawEllipse(item.box.adjusted(-16, item.box.height() * 0.35, 16, 10));
    }
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 200, 170));
        for (const HotShape& shape : allShapes(scene))
            drawShape(p, shape);
    }
    for (const SceneItem& item : scene.items) {
        item.draw(p, item.box);
        if (!item.caption.isEmpty())
            Drawings::caption(p, item.box, item.caption);
    }
    Drawings::title(p, image.size(), scene.title, scene.subtitle);
    if (lit)
        outline(p, allShapes(scene));
    return image;
}
} // namespace

QImage picture(const Scene& scene) {
    return paint(scene, false);
}

void lightenAndOutline(QImage& image, const std::vector<HotShape>& shapes) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(255, 255, 255, 70));
    outline(p, shapes);
}

QImage highlight(const Scene& scene) {
    return paint(scene, true);
}

} // namespace SceneRender

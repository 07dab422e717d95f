#include "SceneRender.h"

#include "Drawings.h"

#include <QPainter>

namespace SceneRender {

QImage picture(const Scene& scene) {
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
    for (const SceneItem& item : scene.items) {
        item.draw(p, item.box);
        if (!item.caption.isEmpty())
            Drawings::caption(p, item.box, item.caption);
    }
    Drawings::title(p, image.size(), scene.title, scene.subtitle);
    return image;
}

void lightenAndOutline(QImage& image, const std::vector<HotShape>& shapes) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(255, 255, 255, 90));
    p.setBrush(Qt::NoBrush);
    for (const QColor& colour : {QColor(255, 170, 0), QColor(255, 240, 120)}) {
        p.setPen(QPen(colour, colour.green() > 200 ? 2 : 6, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        for (const HotShape& shape : shapes) {
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
    }
}

QImage highlight(const Scene& scene) {
    QImage image = picture(scene);
    std::vector<HotShape> shapes;
    for (const SceneItem& item : scene.items)
        for (const HotShape& shape : item.shapes())
            shapes.push_back(shape);
    lightenAndOutline(image, shapes);
    return image;
}

} // namespace SceneRender

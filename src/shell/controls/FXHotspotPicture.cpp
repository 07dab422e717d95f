#include "shell/controls/FXHotspotPicture.h"

#include "shell/controls/MouseArgs.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage readPicture(const QString& path) {
    return path.isEmpty() ? QImage() : QImage(path);
}

QPainterPath shapePath(const HotspotMap::Shape& shape) {
    QPainterPath path;
    const auto& p = shape.points;
    const QRectF box(QPointF(p[0].x, p[0].y), QPointF(p[1].x, p[1].y));
    switch (shape.kind) {
    case HotspotMap::Kind::Rect:
        path.addRect(box);
        break;
    case HotspotMap::Kind::Ellipse:
        path.addEllipse(box);
        break;
    case HotspotMap::Kind::Polygon: {
        QPolygonF polygon;
        for (const auto& point : p)
            polygon << QPointF(point.x, point.y);
        path.addPolygon(polygon);
        path.closeSubpath();
        break;
    }
    }
    return path;
}
} // namespace

FXHotspotPicture::FXHotspotPicture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void FXHotspotPicture::setPicture(const QString& path) {
    setPicture(readPicture(path));
}

void FXHotspotPicture::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void FXHotspotPicture::setHighlightPicture(const QString& path) {
    setHighlightPicture(readPicture(path));
}

void FXHotspotPicture::setHighlightPicture(const QImage& picture) {
    highlightPicture_ = picture;
    update();
}

void FXHotspotPicture::setHotspotFile(const QString& path) {
    QFile file(path);
    QByteArray text;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        text = file.read(HotspotMap::MaxFileBytes + 1);
    const HotspotMap map = HotspotMap::parse(std::string_view(text.constData(), text.size()));
    if (!map.error().empty())
        qWarning("Hotspot file %s: %s", qPrintable(path), map.error().c_str());
    setHotspots(map);
}

void FXHotspotPicture::setHotspots(const HotspotMap& map) {
    map_ = map;
    pointed_ = -1;
    update();
}

QSizeF FXHotspotPicture::referenceSize() const {
    if (const auto& declared = map_.declaredSize())
        return QSizeF(declared->width, declared->height);
    if (!picture_.isNull())
        return picture_.size();
    return size();
}

int FXHotspotPicture::indexAt(QPointF pixel) const {
    const QSizeF reference = referenceSize();
    if (width() <= 0 || height() <= 0 || reference.isEmpty())
        return -1;
    return map_.indexAt(pixel.x() * reference.width() / width(),
                        pixel.y() * reference.height() / height());
}

void FXHotspotPicture::setHighlightIndex(int index) {
    highlighted_ = index;
    update();
}

void FXHotspotPicture::setHighlightStrength(int strength) {
    strength_ = strength;
    update();
}

QPainterPath FXHotspotPicture::highlightPath() const {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& shape : map_.shapes())
        if (shape.index == highlighted_)
            path.addPath(shapePath(shape));
    const QSizeF reference = referenceSize();
    if (reference.isEmpty())
        return {};
    return QTransform::fromScale(width() / reference.width(), height() / reference.height())
        .map(path);
}

void FXHotspotPicture::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void FXHotspotPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull() && !transparent_)
        painter.drawImage(rect(), picture_);
    if (highlighted_ == NoHighlight || strength_ <= 0)
        return;
    const QPainterPath path = highlightPath();
    if (path.isEmpty())
        return;
    painter.save();
    painter.setClipPath(path);
    if (!highlightPicture_.isNull())
        painter.drawImage(rect(), highlightPicture_);
    else
        painter.fillRect(rect(), QColor(255, 255, 255, std::min(255, strength_ * 5)));
    painter.restore();
    painter.setPen(QPen(QColor(255, 220, 0, 200), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path.simplified());
}

void FXHotspotPicture::point(QPointF pixel) {
    pointed_ = indexAt(pixel);
}

void FXHotspotPicture::mouseMoveEvent(QMouseEvent* event) {
    point(event->position());
    const MouseArgs a = MouseArgs::from(event);
    emit moved(a.button, a.shift, a.x, a.y);
}

void FXHotspotPicture::mousePressEvent(QMouseEvent* event) {
    point(event->position());
    const MouseArgs a = MouseArgs::from(event);
    emit pressed(a.button, a.shift, a.x, a.y);
}

void FXHotspotPicture::mouseReleaseEvent(QMouseEvent* event) {
    point(event->position());
    const MouseArgs a = MouseArgs::from(event);
    emit released(a.button, a.shift, a.x, a.y);
}

void FXHotspotPicture::leaveEvent(QEvent* event) {
    pointed_ = -1;
    QWidget::leaveEvent(event);
}

void FXHotspotPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        pointed_ = -1;
    QWidget::changeEvent(event);
}

#include "shell/controls/FXShape.h"

#include "shell/controls/MouseArgs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QColor captionColorOn(const QColor& background) {
    const double luminance =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luminance > 0.55 ? QColor(0x1A, 0x1A, 0x40) : Qt::white;
}

QFont fittedFont(QFont font, const QString& text, const QRectF& box) {
    font.setBold(true);
    font.setPixelSize(std::max(9, int(std::min(box.height() * 0.45, 22.0))));
    while (font.pixelSize() > 9 &&
           QFontMetricsF(font).horizontalAdvance(QString(text).remove(u'&')) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
} // namespace

FXShape::FXShape(const QString& name, int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(controlName(name, index));
    setCursor(Qt::PointingHandCursor);
}

void FXShape::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FXShape::setColor(unsigned bgr) {
    color_ = bgr;
    update();
}

void FXShape::setState(int state) {
    state_ = state;
    update();
}

void FXShape::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void FXShape::setPressedLook(int depth) {
    pressedDepth_ = std::max(0, depth);
    update();
}

void FXShape::setAnswered(bool answered) {
    answered_ = answered;
    update();
}

void FXShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor base = QColor::fromRgb(fromBgr(color_));
    if (state_ == Lit)
        base = base.lighter(118);
    if (!isEnabled())
        painter.setOpacity(0.8);
    const qreal sink = pressedDepth_ > 0 ? std::min(4.0, 1.0 + pressedDepth_ / 10.0) : 0.0;
    const QRectF body = QRectF(rect()).adjusted(3, 3, -3, -3 - 3 + sink).translated(0, sink);
    if (pressedDepth_ == 0 && state_ != Muted) // a soft shadow under a raised button
        painter.fillPath(
            [&] {
                QPainterPath p;
                p.addRoundedRect(body.translated(0, 3), body.height() / 3, body.height() / 3);
                return p;
            }(),
            QColor(0, 0, 0, 60));
    paintBody(painter, body, base);
    paintContent(painter, body, base);
}

void FXShape::paintBody(QPainter& painter, const QRectF& body, const QColor& base) const {
    const qreal radius = std::min(body.height() / 3, 14.0);
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    if (state_ == Lit) { // a warm halo round a lit button
        painter.setPen(QPen(QColor(255, 150, 0, 200), 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    const bool flat = state_ == Muted || answered_;
    if (pressedDepth_ > 0) {
        fill.setColorAt(0, base.darker(135));
        fill.setColorAt(1, base.darker(105));
    } else {
        fill.setColorAt(0, flat ? base : base.lighter(135));
        fill.setColorAt(0.5, base);
        fill.setColorAt(1, flat ? base : base.darker(115));
    }
    painter.setPen(QPen(base.darker(state_ == Muted ? 120 : 170), 2));
    painter.setBrush(fill);
    painter.drawPath(path);
    if (answered_) { // a white inner ring marks a word already answered
        painter.setPen(QPen(QColor(255, 255, 255, 220), 2.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body.adjusted(4, 4, -4, -4), radius - 3, radius - 3);
    }
}

void FXShape::paintContent(QPainter& painter, const QRectF& body, const QColor& base) const {
    const QRectF inner = body.adjusted(8, 4, -8, -4);
    if (!picture_.isNull()) {
        const QPixmap scaled =
            picture_.scaled(inner.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(QPointF(inner.center().x() - scaled.width() / 2.0,
                                   inner.center().y() - scaled.height() / 2.0),
                           scaled);
    }
    if (caption_.isEmpty())
        return;
    painter.setFont(fittedFont(font(), caption_, inner));
    painter.setPen(captionColorOn(pressedDepth_ > 0 ? base.darker(120) : base));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void FXShape::mousePressEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
        setPressedLook(NormalDepth);
    }
    emit pressed(index_, a.button, a.shift, a.x, a.y);
}

void FXShape::mouseMoveEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    emit moved(index_, a.button, a.shift, a.x, a.y);
}

void FXShape::mouseReleaseEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    const bool click = leftDown_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftDown_ = false;
    emit released(index_, a.button, a.shift, a.x, a.y);
    if (event->button() == Qt::LeftButton)
        clearPressedLook(); // also when released outside: no click follows to clear it
    if (click)
        emit clicked(index_);
}

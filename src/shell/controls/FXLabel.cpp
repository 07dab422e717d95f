#include "shell/controls/FXLabel.h"

#include "shell/controls/MouseArgs.h"

#include <QPainter>

FXLabel::FXLabel(const QString& name, int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(controlName(name, index));
    setMouseTracking(true);
}

void FXLabel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FXLabel::setForeColor(unsigned bgr) {
    foreColor_ = bgr;
    update();
}

void FXLabel::setBackColor(unsigned bgr) {
    backColor_ = bgr;
    update();
}

void FXLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void FXLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void FXLabel::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void FXLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!transparent_)
        painter.fillRect(rect(), QColor::fromRgb(fromBgr(backColor_)));
    if (!picture_.isNull()) {
        const QPixmap scaled =
            picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2,
                           scaled);
    }
    painter.setPen(QColor::fromRgb(fromBgr(foreColor_)));
    painter.drawText(rect().adjusted(2, 1, -2, -1),
                     int(alignment_) | Qt::TextWordWrap | Qt::TextShowMnemonic, caption_);
}

void FXLabel::mouseMoveEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    emit mouseMoved(index_, a.button, a.shift, a.x, a.y);
}

void FXLabel::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
}

void FXLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        emit clicked(index_);
}

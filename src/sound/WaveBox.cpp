#include "sound/WaveBox.h"

#include "shell/Twips.h"
#include "shell/controls/MouseArgs.h"
#include "sound/StudioMaths.h"

#include <QMouseEvent>
#include <QPainter>

using StudioMaths::BoxHeight;
using StudioMaths::BoxWidth;
using StudioMaths::DrawStep;

WaveBox::WaveBox(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("Picture1(%1)").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WaveBox::setLevels(QVector<int> levels) {
    levels_ = std::move(levels);
    update();
}

void WaveBox::setDrawColour(unsigned bgr) {
    drawColour_ = bgr;
    update();
}

void WaveBox::setBackColour(unsigned bgr) {
    backColour_ = bgr;
    update();
}

void WaveBox::setCursorColour(unsigned bgr) {
    cursorColour_ = bgr;
    update();
}

void WaveBox::setCursorX(double x) {
    cursorX_ = x;
    update();
}

void WaveBox::setBand(std::optional<std::pair<int, int>> band) {
    band_ = band;
    update();
}

void WaveBox::setMessage(const QString& message) {
    message_ = message;
    update();
}

void WaveBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(fromBgr(backColour_)));
    if (!message_.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         message_);
    }
    painter.scale(width() / double(BoxWidth), height() / double(BoxHeight));
    QPen pen(QColor::fromRgb(fromBgr(drawColour_)));
    pen.setCosmetic(true);
    painter.setPen(pen);
    const double mid = BoxHeight / 2;
    QPointF previous(0, mid);
    for (qsizetype k = 0; k < levels_.size(); ++k) {
        const QPointF point(double(k * DrawStep), mid + levels_[k]);
        painter.drawLine(previous, point);
        previous = point;
    }
    if (band_) {
        const auto [from, to] = *band_;
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(QRectF(std::min(from, to), 0, std::abs(to - from), BoxHeight), Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (cursorX_ >= 0) {
        QPen cursor(QColor::fromRgb(fromBgr(cursorColour_)));
        cursor.setCosmetic(true);
        painter.setPen(cursor);
        painter.drawLine(QPointF(cursorX_, 0), QPointF(cursorX_, BoxHeight));
    }
}

void WaveBox::mousePressEvent(QMouseEvent* event) {
    const MouseArgs args = MouseArgs::from(event);
    emit pressed(index_, args.button, args.x, args.y);
}

void WaveBox::mouseMoveEvent(QMouseEvent* event) {
    const MouseArgs args = MouseArgs::from(event);
    emit moved(index_, args.button, args.x, args.y);
}

void WaveBox::mouseReleaseEvent(QMouseEvent* event) {
    const MouseArgs args = MouseArgs::from(event);
    emit released(index_, args.button, args.x, args.y);
}

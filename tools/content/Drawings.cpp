#include "Drawings.h"

#include "Emoji.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Drawings {

namespace {
const QColor Outline(0x3a, 0x2a, 0x1a);
const QColor Wood(0xb0, 0x74, 0x3c);
const QColor DarkWood(0x7a, 0x4a, 0x22);

void outlined(QPainter& p, const QColor& fill, qreal width = 3) {
    p.setPen(QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

// A box shrunk to the given fractions of its width and height, keeping its centre.
QRectF part(const QRectF& box, qreal x, qreal y, qreal w, qreal h) {
    return {box.left() + box.width() * x, box.top() + box.height() * y, box.width() * w,
            box.height() * h};
}

void knob(QPainter& p, QPointF centre, qreal radius) {
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    p.drawEllipse(centre, radius, radius);
}
} // namespace

QFont font(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

ObjectPainter emoji(const QString& glyph, const QString& accent) {
    return [glyph, accent](QPainter& p, const QRectF& box) {
        Emoji::draw(p, box, glyph);
        if (!accent.isEmpty())
            Emoji::draw(p, part(box, 0.58, 0.58, 0.45, 0.45), accent);
    };
}

ObjectPainter clock(int hour, int minute) {
    return [hour, minute](QPainter& p, const QRectF& box) {
        const qreal r = std::min(box.width(), box.height()) / 2 - 3;
        const QPointF c = box.center();
        outlined(p, QColor(0xff, 0xfb, 0xee), 5);
        p.drawEllipse(c, r, r);
        p.setPen(QPen(Outline, 3));
        for (int i = 0; i < 12; ++i) {
            const qreal a = qDegreesToRadians(i * 30.0);
            const qreal inner = i % 3 == 0 ? r * 0.78 : r * 0.86;
            p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * inner,
                       c + QPointF(std::sin(a), -std::cos(a)) * (r * 0.94));
        }
        p.setFont(font(int(r * 0.26), true));
        for (int n : {12, 3, 6, 9}) {
            const qreal a = qDegreesToRadians(n * 30.0);
            const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * (r * 0.6);
            p.drawText(QRectF(at.x() - r * 0.3, at.y() - r * 0.2, r * 0.6, r * 0.4),
                       Qt::AlignCenter, QString::number(n));
        }
        const qreal hourAngle = qDegreesToRadians((hour % 12) * 30.0 + minute * 0.5);
        const qreal minuteAngle = qDegreesToRadians(minute * 6.0);
        p.setPen(QPen(QColor(0x20, 0x30, 0x80), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * (r * 0.5));
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * (r * 0.8));
        p.setPen(Qt::NoPen);
        p.setBrush(Outline);
        p.drawEllipse(c, 5, 5);
    };
}

ObjectPainter glass(const QColor& liquid, qreal level, const QString& accent) {
    return [liquid, level, accent](QPainter& p, const QRectF& box) {
        const QRectF g = part(box, 0.22, 0.08, 0.5, 0.88);
        const QPolygonF shape({g.topLeft(), g.topRight(),
                               QPointF(g.right() - g.width() * 0.12, g.bottom()),
                               QPointF(g.left() + g.width() * 0.12, g.bottom())});
        if (level > 0) {
            const qreal top = g.bottom() - g.height() * level;
            QPainterPath glassPath;
            glassPath.addPolygon(shape);
            QPainterPath fill;
            fill.addRect(QRectF(g.left(), top, g.width(), g.bottom() - top));
            p.setPen(Qt::NoPen);
            p.setBrush(liquid);
            p.drawPath(glassPath.intersected(fill));
        }
        p.setPen(QPen(QColor(0x60, 0x80, 0xa0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPolygon(shape);
        if (!accent.isEmpty())
            Emoji::draw(p, part(box, 0.55, 0.5, 0.45, 0.45), accent);
    };
}

ObjectPainter mug(const QColor& drink, const QString& accent) {
    return [drink, accent](QPainter& p, const QRectF& box) {
        const QRectF body = part(box, 0.12, 0.28, 0.58, 0.62);
        outlined(p, QColor(0xe8, 0x4a, 0x5f), 4);
        p.drawEllipse(part(box, 0.55, 0.4, 0.3, 0.32));
        p.drawRoundedRect(body, 10, 10);
        p.setBrush(drink);
        p.drawEllipse(QRectF(body.left() + 4, body.top() - 8, body.width() - 8, 18));
        p.setPen(QPen(QColor(200, 200, 200), 3));
        for (int i = 0; i < 3; ++i) {
            const qreal x = body.left() + body.width() * (0.25 + 0.25 * i);
            p.drawArc(QRectF(x - 6, box.top() + box.height() * 0.05, 12, box.height() * 0.18),
                      90 * 16, 180 * 16);
        }
        if (!accent.isEmpty())
            Emoji::draw(p, part(box, 0.5, 0.6, 0.45, 0.4), accent);
    };
}

ObjectPainter table() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, Wood);
        p.drawRect(part(box, 0.15, 0.45, 0.08, 0.5));
        p.drawRect(part(box, 0.77, 0.45, 0.08, 0.5));
        p.drawRoundedRect(part(box, 0.02, 0.35, 0.96, 0.12), 4, 4);
        Emoji::draw(p, part(box, 0.35, 0.08, 0.3, 0.3), QStringLiteral("🌼"));
    };
}

ObjectPainter armchair() {
    return [](QPainter& p, const QRectF& box) {
        const QColor fabric(0x4c, 0x9a, 0x6a);
        outlined(p, fabric);
        p.drawRoundedRect(part(box, 0.18, 0.08, 0.64, 0.6), 18, 18);
        p.drawRoundedRect(part(box, 0.18, 0.52, 0.64, 0.28), 8, 8);
        p.drawRoundedRect(part(box, 0.04, 0.4, 0.2, 0.42), 10, 10);
        p.drawRoundedRect(part(box, 0.76, 0.4, 0.2, 0.42), 10, 10);
        outlined(p, DarkWood);
        p.drawRect(part(box, 0.1, 0.82, 0.07, 0.14));
        p.drawRect(part(box, 0.83, 0.82, 0.07, 0.14));
    };
}

ObjectPainter wardrobe() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, Wood);
        const QRectF body = part(box, 0.1, 0.02, 0.8, 0.94);
        p.drawRect(body);
        p.drawLine(QPointF(body.center().x(), body.top()),
                   QPointF(body.center().x(), body.bottom()));
        p.drawRect(part(box, 0.16, 0.08, 0.3, 0.82));
        p.drawRect(part(box, 0.54, 0.08, 0.3, 0.82));
        knob(p, QPointF(body.center().x() - 9, body.center().y()), 5);
        knob(p, QPointF(body.center().x() + 9, body.center().y()), 5);
    };
}

ObjectPainter bookcase() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, Wood);
        const QRectF body = part(box, 0.08, 0.02, 0.84, 0.96);
        p.drawRect(body);
        for (int shelf = 0; shelf < 3; ++shelf) {
            const QRectF row(body.left() + 6, body.top() + 6 + shelf * (body.height() - 12) / 3,
                             body.width() - 12, (body.height() - 12) / 3 - 4);
            p.setBrush(DarkWood);
            p.drawRect(row);
            Emoji::draw(p, row.adjusted(4, 4, -4, -2), QStringLiteral("📚"));
        }
    };
}

ObjectPainter desk() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, Wood);
        p.drawRect(part(box, 0.04, 0.42, 0.92, 0.1));
        p.drawRect(part(box, 0.06, 0.52, 0.1, 0.44));
        p.drawRect(part(box, 0.58, 0.52, 0.36, 0.44));
        p.drawLine(part(box, 0.58, 0.74, 0.36, 0).topLeft(),
                   part(box, 0.58, 0.74, 0.36, 0).topRight());
        knob(p, part(box, 0.76, 0.63, 0, 0).topLeft(), 4);
        knob(p, part(box, 0.76, 0.85, 0, 0).topLeft(), 4);
        Emoji::draw(p, part(box, 0.1, 0.06, 0.36, 0.36), QStringLiteral("💻"));
        Emoji::draw(p, part(box, 0.6, 0.1, 0.3, 0.32), QStringLiteral("📒"));
    };
}

ObjectPainter chestOfDrawers() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, QColor(0xd9, 0x8c, 0x5f));
        const QRectF body = part(box, 0.06, 0.12, 0.88, 0.8);
        p.drawRect(body);
        for (int i = 0; i < 3; ++i) {
            const QRectF drawer(body.left() + 8, body.top() + 8 + i * (body.height() - 16) / 3,
                                body.width() - 16, (body.height() - 16) / 3 - 6);
            p.setBrush(QColor(0xe8, 0xa8, 0x7c));
            p.drawRect(drawer);
            knob(p, drawer.center(), 5);
        }
        p.setBrush(DarkWood);
        p.drawRect(part(box, 0.1, 0.92, 0.08, 0.07));
        p.drawRect(part(box, 0.82, 0.92, 0.08, 0.07));
    };
}

ObjectPainter blackboard() {
    return [](QPainter& p, const QRectF& box) {
        outlined(p, DarkWood, 3);
        p.drawRect(box);
        p.setBrush(QColor(0x2e, 0x5e, 0x3e));
        p.drawRect(box.adjusted(10, 10, -10, -10));
        p.setPen(QColor(0xf4, 0xf4, 0xe8));
        p.setFont(font(int(box.height() * 0.26), true));
        p.drawText(box.adjusted(10, 10, -10, -10), Qt::AlignCenter, QStringLiteral("ABC  1 2 3"));
    };
}

ObjectPainter pencil(qreal length) {
    return [length](QPainter& p, const QRectF& box) {
        const qreal h = std::min(box.height() * 0.45, 36.0);
        const qreal w = box.width() * length;
        const QRectF body(box.center().x() - w / 2, box.center().y() - h / 2, w - h, h);
        outlined(p, QColor(0xf5, 0xc2, 0x2e));
        p.drawRect(body);
        p.setBrush(QColor(0xf0, 0x90, 0xa0));
        p.drawRect(QRectF(body.left() - h * 0.5, body.top(), h * 0.5, h));
        p.setBrush(QColor(0xf2, 0xd6, 0xa8));
        const QPolygonF tip(
            {body.topRight(), QPointF(body.right() + h, body.center().y()), body.bottomRight()});
        p.drawPolygon(tip);
        p.setBrush(Outline);
        p.drawPolygon(QPolygonF({QPointF(body.right() + h * 0.7, body.center().y() - h * 0.15),
                                 QPointF(body.right() + h, body.center().y()),
                                 QPointF(body.right() + h * 0.7, body.center().y() + h * 0.15)}));
    };
}

ObjectPainter colourBlob(const QColor& colour, const QString& glyph) {
    return [colour, glyph](QPainter& p, const QRectF& box) {
        QPainterPath blob;
        const QPointF c = box.center();
        const qreal r = std::min(box.width(), box.height()) / 2;
        for (int i = 0; i <= 16; ++i) {
            const qreal a = 2 * M_PI * i / 16;
            const qreal k = (i % 2 == 0) ? 1.0 : 0.86;
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * r * k;
            if (i == 0)
                blob.moveTo(at);
            else
                blob.lineTo(at);
        }
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
        p.setBrush(colour);
        p.drawPath(blob);
        if (!glyph.isEmpty())
            Emoji::draw(p, part(box, 0.22, 0.22, 0.56, 0.56), glyph);
    };
}

ObjectPainter numberTile(int number, const QColor& colour) {
    return [number, colour](QPainter& p, const QRectF& box) {
        outlined(p, colour, 3);
        p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 14, 14);
        p.setPen(Qt::white);
        const bool dots = number <= 10;
        p.setFont(font(int(box.height() * (dots ? 0.42 : 0.5)), true));
        p.drawText(dots ? part(box, 0, 0.02, 1, 0.5) : box, Qt::AlignCenter,
                   QString::number(number));
        if (!dots)
            return;
        const int perRow = 5;
        const qreal step = box.width() * 0.17;
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(0xff, 0xe0, 0x40));
        for (int i = 0; i < number; ++i) {
            const int row = i / perRow, col = i % perRow;
            const int inRow = std::min(perRow, number - row * perRow);
            const qreal x = box.center().x() + (col - (inRow - 1) / 2.0) * step;
            const qreal y = box.top() + box.height() * (0.64 + row * 0.18);
            p.drawEllipse(QPointF(x, y), step * 0.36, step * 0.36);
        }
    };
}

ObjectPainter tile(const QColor& colour, const QString& glyph, const QString& text) {
    return [colour, glyph, text](QPainter& p, const QRectF& box) {
        outlined(p, colour, 3);
        p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 12, 12);
        Emoji::draw(p, part(box, 0.2, 0.08, 0.6, 0.58), glyph);
        p.setPen(Outline);
        QFont label = font(int(std::min(18.0, box.height() * 0.16)), true);
        while (label.pixelSize() > 9 &&
               QFontMetrics(label).horizontalAdvance(text) > box.width() - 10)
            label.setPixelSize(label.pixelSize() - 1);
        p.setFont(label);
        p.drawText(part(box, 0, 0.68, 1, 0.3), Qt::AlignCenter, text);
    };
}

ObjectPainter card(const QColor& colour, const QString& glyph) {
    return [colour, glyph](QPainter& p, const QRectF& box) {
        outlined(p, colour, 3);
        p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 16, 16);
        Emoji::draw(p, box.adjusted(14, 14, -14, -14), glyph);
    };
}

std::function<void(QPainter&, const QSize&)> outdoor(const QColor& sky, const QColor& ground,
                                                     int horizon) {
    return [sky, ground, horizon](QPainter& p, const QSize& size) {
        QLinearGradient air(0, 0, 0, horizon);
        air.setColorAt(0, sky.darker(115));
        air.setColorAt(1, sky.lighter(125));
        p.fillRect(QRect(0, 0, size.width(), horizon), air);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        for (const QPointF& at : {QPointF(120, 90), QPointF(610, 70)}) {
            p.drawEllipse(at, 48, 18);
            p.drawEllipse(at + QPointF(30, -12), 34, 20);
        }
        p.setBrush(ground);
        QPainterPath hills;
        hills.moveTo(0, horizon + 10);
        hills.cubicTo(size.width() * 0.3, horizon - 30, size.width() * 0.6, horizon + 30,
                      size.width(), horizon - 10);
        hills.lineTo(size.width(), size.height());
        hills.lineTo(0, size.height());
        p.drawPath(hills);
    };
}

std::function<void(QPainter&, const QSize&)> room(const QColor& wall, const QColor& floor,
                                                  int floorTop) {
    return [wall, floor, floorTop](QPainter& p, const QSize& size) {
        p.fillRect(QRect(0, 0, size.width(), floorTop), wall);
        p.setPen(QPen(wall.darker(108), 10));
        for (int x = 20; x < size.width(); x += 60)
            p.drawLine(x, 0, x, floorTop);
        p.fillRect(QRect(0, floorTop, size.width(), size.height() - floorTop), floor);
        p.setPen(QPen(floor.darker(115), 2));
        for (int y = floorTop + 30; y < size.height(); y += 34)
            p.drawLine(0, y, size.width(), y);
        p.fillRect(QRect(0, floorTop - 8, size.width(), 8), wall.darker(130));
    };
}

std::function<void(QPainter&, const QSize&)> plain(const QColor& top, const QColor& bottom) {
    return [top, bottom](QPainter& p, const QSize& size) {
        QLinearGradient g(0, 0, 0, size.height());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(QRect(QPoint(0, 0), size), g);
    };
}

void title(QPainter& p, const QSize& size, const QString& text, const QString& subtitle) {
    const QFont big = font(26, true);
    const QFontMetrics metrics(big);
    const int width = std::max(260, metrics.horizontalAdvance(text) + 60);
    const QRectF band((size.width() - width) / 2.0, 8, width, subtitle.isEmpty() ? 44 : 64);
    p.setPen(QPen(QColor(0x1d, 0x3c, 0x8c), 3));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(band, 18, 18);
    p.setFont(big);
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.drawText(QRectF(band.left(), band.top() + 4, band.width(), 36), Qt::AlignCenter, text);
    if (subtitle.isEmpty())
        return;
    p.setFont(font(16));
    p.drawText(QRectF(band.left(), band.top() + 38, band.width(), 22), Qt::AlignCenter, subtitle);
}

void caption(QPainter& p, const QRectF& box, const QString& text) {
    const QFont f = font(CaptionPixels, true);
    const qreal w = captionWidth(text);
    const QRectF label(box.center().x() - w / 2, box.bottom() + 2, w, captionHeight(text));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(QColor(255, 255, 240, 235));
    p.drawRoundedRect(label, 8, 8);
    p.setFont(f);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(label, Qt::AlignCenter, text);
}

int captionWidth(const QString& text) {
    const QFontMetrics metrics(font(CaptionPixels, true));
    int width = 0;
    for (const QString& line : text.split(u'\n'))
        width = std::max(width, metrics.horizontalAdvance(line) + 14);
    return width;
}

int captionHeight(const QString& text) {
    return 4 + 18 * int(text.split(u'\n').size());
}

} // namespace Drawings

#include "Emoji.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

namespace Emoji {

namespace {
// Noto Color Emoji holds bitmaps made for 109 pixels a line; drawing at that size and scaling
// the result keeps the glyphs sharp at any size.
constexpr int NativeSize = 109;

QRect visibleBounds(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 8)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage render(const QString& emoji) {
    QImage canvas(NativeSize * 3, NativeSize * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(NativeSize);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    painter.end();
    const QRect bounds = visibleBounds(canvas);
    return bounds.isNull() ? canvas : canvas.copy(bounds);
}
} // namespace

const QImage& glyph(const QString& emoji) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(emoji);
    if (it == cache.end())
        it = cache.insert(emoji, render(emoji));
    return *it;
}

void draw(QPainter& painter, const QRectF& box, const QString& emoji) {
    const QImage& image = glyph(emoji);
    if (image.isNull())
        return;
    QSizeF size = image.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

} // namespace Emoji

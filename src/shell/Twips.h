#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

// Window measures given in twips, at 15 twips per pixel.
namespace Twips {
constexpr int PerPixel = 15;
constexpr int toPixels(int twips) {
    return twips / PerPixel;
}
constexpr int fromPixels(int pixels) {
    return pixels * PerPixel;
}
inline QPoint toPixels(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}
inline QSize toPixels(QSize twips) {
    return {toPixels(twips.width()), toPixels(twips.height())};
}
} // namespace Twips

// Colours written as &HBBGGRR (blue in the high byte, red in the low byte), as 0xAARRGGBB.
constexpr quint32 fromBgr(unsigned bgr) {
    const unsigned red = bgr & 0xFF;
    const unsigned green = (bgr >> 8) & 0xFF;
    const unsigned blue = (bgr >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

#pragma once

#include <QSize>

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    // Horizontal logical resolution of the screen, in pixels per inch.
    virtual int logicalDpiX() = 0;
    // Size of the whole screen in pixels.
    virtual QSize screenSize() = 0;
};

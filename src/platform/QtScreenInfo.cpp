#include "platform/QtScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

int QtScreenInfo::logicalDpiX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 0;
}

QSize QtScreenInfo::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

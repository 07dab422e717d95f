#pragma once

#include "platform/ScreenInfo.h"

// Reads the primary screen of the running application.
class QtScreenInfo : public ScreenInfo {
public:
    int logicalDpiX() override;
    QSize screenSize() override;
};

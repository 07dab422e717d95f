#pragma once

#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/Help.h"
#include "platform/InstanceDetector.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Quitter.h"
#include "platform/ScreenInfo.h"
#include "platform/ShellOpen.h"

#include <memory>

// The desktop services the windows use. The program fills it with the real implementations;
// tests fill it with scripted fakes.
struct Platform {
    Platform();
    ~Platform();
    Platform(Platform&&) noexcept;
    Platform& operator=(Platform&&) noexcept;

    std::unique_ptr<MessageBox> messageBox;
    std::unique_ptr<FileDialog> fileDialog;
    std::unique_ptr<Help> help;
    std::unique_ptr<InstanceDetector> instanceDetector;
    std::unique_ptr<ScreenInfo> screen;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Random> random;
    std::unique_ptr<Quitter> quitter;
    std::unique_ptr<AudioSystem> audio;
    std::unique_ptr<ShellOpen> shellOpen;
    std::unique_ptr<Printer> printer;
};

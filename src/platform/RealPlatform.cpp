#include "platform/RealPlatform.h"

#include "platform/QtAudioSystem.h"
#include "platform/QtFileDialog.h"
#include "platform/QtHelp.h"
#include "platform/QtMessageBox.h"
#include "platform/QtPrinter.h"
#include "platform/QtQuitter.h"
#include "platform/QtScreenInfo.h"
#include "platform/QtShellOpen.h"

Platform makeRealPlatform() {
    Platform platform;
    platform.messageBox = std::make_unique<QtMessageBox>();
    platform.fileDialog = std::make_unique<QtFileDialog>();
    platform.help = std::make_unique<QtHelp>();
    platform.instanceDetector = std::make_unique<LockFileInstanceDetector>();
    platform.screen = std::make_unique<QtScreenInfo>();
    platform.clock = std::make_unique<SystemClock>();
    platform.random = std::make_unique<SeededRandom>();
    platform.quitter = std::make_unique<QtQuitter>();
    platform.audio = std::make_unique<QtAudioSystem>(*platform.clock);
    platform.shellOpen = std::make_unique<QtShellOpen>();
    platform.printer = std::make_unique<QtPrinter>();
    return platform;
}

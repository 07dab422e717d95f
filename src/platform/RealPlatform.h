#pragma once

#include "platform/Platform.h"

// The platform of the running program: real dialogs, screen, clock and lock file.
Platform makeRealPlatform();

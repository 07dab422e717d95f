#pragma once

#include "platform/Quitter.h"

// Ends the program by leaving the event loop; windows are destroyed without asking anything.
class QtQuitter : public Quitter {
public:
    void quit(int exitCode) override;
};

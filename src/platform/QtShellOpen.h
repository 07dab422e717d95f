#pragma once

#include "platform/ShellOpen.h"

// Opens addresses with QDesktopServices.
class QtShellOpen : public ShellOpen {
public:
    void open(const QString& address, QWidget* owner) override;
};

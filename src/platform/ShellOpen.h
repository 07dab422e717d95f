#pragma once

#include <QString>

class QWidget;

// Hands an address (a "mailto:" address, a web address) to the desktop's own handler: the mail
// program, the web browser. Nothing is reported back when no handler is installed.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    virtual void open(const QString& address, QWidget* owner) = 0;
};

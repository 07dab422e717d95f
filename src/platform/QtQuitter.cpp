#include "platform/QtQuitter.h"

#include <QApplication>
#include <QTimer>

void QtQuitter::quit(int exitCode) {
    QCoreApplication::exit(exitCode);
    // exit() does nothing before the event loop has started: make sure it ends once it does.
    QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

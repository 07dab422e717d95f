#include "platform/QtShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void QtShellOpen::open(const QString& address, QWidget*) {
    QDesktopServices::openUrl(QUrl(address));
}

#include "sound/RecordingFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace RecordingFile {

namespace {
QString folder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return base + QStringLiteral("/brindel");
}
} // namespace

QString path() {
    const QString dir = folder();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/enregist.tmp");
}

void remove() {
    QFile::remove(folder() + QStringLiteral("/enregist.tmp"));
}

} // namespace RecordingFile

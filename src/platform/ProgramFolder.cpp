#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ProgramFolder {

QString locate() {
    const QString home = qEnvironmentVariable("BRINDEL_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    return QCoreApplication::applicationDirPath();
}

static QString matchEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QString folded = name.toCaseFolded();
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.toCaseFolded() == folded)
            return entry;
    }
    return name;
}

QString resolve(const QString& programFolder, const QString& mediaPath) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    QString path = programFolder;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    const QStringList parts = mediaPath.split(separators, Qt::SkipEmptyParts);
    for (const QString& part : parts)
        path += u'/' + matchEntry(path, part);
    return path;
}

} // namespace ProgramFolder

#include "shell/CheminCourt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

bool hasSpace(const QString& text) {
    return text.contains(u' ');
}

// A folder of ours for the links: the user's cache folder, or a private folder in the
// temporary folder when the cache path holds a space.
QString linkFolder() {
    const QString candidates[] = {
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            QStringLiteral("/brindel-chemins"),
        QDir::tempPath() + QStringLiteral("/brindel-chemins-") + QString::number(getuid()),
    };
    for (const QString& folder : candidates) {
        if (folder.startsWith(u'/') && !hasSpace(folder) && QDir().mkpath(folder)) {
            const QFileInfo info(folder);
            if (info.isDir() && !info.isSymLink() && info.ownerId() == getuid())
                return folder;
        }
    }
    return {};
}

// The links made during this run, removed when the program quits.
QStringList& madeLinks() {
    static QStringList links;
    return links;
}

QString linkName(const QString& target) {
    const QByteArray hash = QCryptographicHash::hash(target.toUtf8(), QCryptographicHash::Sha1);
    QString suffix = QFileInfo(target).suffix().remove(u' ');
    return QString::fromLatin1(hash.toHex().left(20)) +
           (suffix.isEmpty() ? QString() : u'.' + suffix);
}
} // namespace

QString CheminCourt(const QString& chemin) {
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || !info.exists())
        return {};
    if (!hasSpace(chemin))
        return chemin;
    const QString target = info.absoluteFilePath();
    const QString folder = linkFolder();
    if (folder.isEmpty())
        return {};
    const QString link = folder + u'/' + linkName(target);
    if (QFileInfo(link).symLinkTarget() == target) {
        if (!madeLinks().contains(link))
            madeLinks().append(link);
        return link;
    }
    QFile::remove(link);
    if (!QFile::link(target, link))
        return {};
    madeLinks().append(link);
    return link;
}

void EffacerCheminsCourts() {
    for (const QString& link : std::as_const(madeLinks()))
        if (QFileInfo(link).isSymLink())
            QFile::remove(link);
    madeLinks().clear();
}

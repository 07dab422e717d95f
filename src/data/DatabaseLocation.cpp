#include "data/DatabaseLocation.h"

#include "data/DataControl.h"
#include "data/Options.h"
#include "data/SettingsStore.h"
#include "platform/MessageBox.h"
#include "platform/Quitter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DatabaseLocation {

QString invalidFileText(const QString& path) {
    return QStringLiteral("Le fichier « %1 » n'est pas une base de données VALIMOR Brindel "
                          "valide.")
        .arg(path);
}

QString storedPathToOpen(const QString& stored) {
    if (stored.endsWith(QLatin1Char('\\')) || stored.endsWith(QLatin1Char('/')))
        return stored.chopped(1);
    return stored;
}

QString cleanChosenPath(const QString& chosen) {
    QString path = chosen.trimmed();
    if (path.endsWith(QChar(u'\0')))
        path.chop(1);
    return path.trimmed();
}

OpenFileRequest fileRequest(const QString& programFolder) {
    return OpenFileRequest{DialogTitle, FilterText, FilterPattern, programFolder, {}};
}

QString defaultUserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/VALIMOR Brindel");
}

namespace {
const QString SampleName = QStringLiteral("DbBrin.mdb");

QString canonical(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}
} // namespace

QString prepareUserCopy(const QString& programFolder, const QString& userDataFolder) {
    const QString sample = QDir(programFolder).filePath(SampleName);
    const QString copy = QDir(userDataFolder).filePath(SampleName);
    if (QFileInfo::exists(copy))
        return copy;
    if (!QFileInfo::exists(sample) || !QDir().mkpath(userDataFolder))
        return {};
    // Copied under a temporary name first, so that an interrupted copy never passes for the
    // database.
    const QString partial = copy + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(sample, partial))
        return {};
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                       QFile::ReadOther);
    if (!QFile::rename(partial, copy)) {
        QFile::remove(partial);
        return {};
    }
    return copy;
}

bool isLocal(const QString& path, const QString& programFolder, const QString& userDataFolder) {
    const QString file = canonical(path);
    for (const QString& folder : {programFolder, userDataFolder})
        if (!folder.isEmpty() && file == canonical(QDir(folder).filePath(SampleName)))
            return true;
    return false;
}

bool openAt(DataControl& data, const QString& path) {
    data.setDatabaseName(path);
    return data.refresh();
}

QString askForFile(SettingsStore& settings, FileDialog& dialog, MessageBox& box,
                   const QString& programFolder, DataControl& data, QWidget* owner) {
    return askForFile(settings, dialog, box, fileRequest(programFolder), data, owner);
}

QString askForFile(SettingsStore& settings, FileDialog& dialog, MessageBox& box,
                   const OpenFileRequest& request, DataControl& data, QWidget* owner) {
    for (;;) {
        const QString chosen = dialog.openFile(owner, request);
        if (chosen.isEmpty())
            return {};
        const QString path = cleanChosenPath(chosen);
        if (!path.isEmpty() && openAt(data, path)) {
            settings.write(Options::Database, Options::Path, path);
            return path;
        }
        box.show(invalidFileText(path), MsgBox::Exclamation, InvalidFileTitle);
    }
}

Outcome locate(SettingsStore& settings, FileDialog& dialog, MessageBox& box, Quitter& quitter,
               const QString& programFolder, DataControl& data, QWidget* owner,
               const QString& userDataFolder) {
    const QString stored = storedPathToOpen(settings.read(Options::Database, Options::Path));
    if (!stored.isEmpty() && openAt(data, stored))
        return {true, stored};
    OpenFileRequest request = fileRequest(programFolder);
    if (stored.isEmpty() && !userDataFolder.isEmpty()) {
        const QString copy = prepareUserCopy(programFolder, userDataFolder);
        if (!copy.isEmpty()) {
            request.initialFolder = userDataFolder;
            request.selectedFile = copy;
        }
    }
    const QString chosen = askForFile(settings, dialog, box, request, data, owner);
    if (!chosen.isEmpty())
        return {true, chosen};
    box.show(CannotRunText, MsgBox::OkOnly, QString());
    quitter.quit(1);
    return {};
}

} // namespace DatabaseLocation

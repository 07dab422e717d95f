#include "data/DatabaseLocation.h"

#include "data/DataControl.h"
#include "data/Options.h"
#include "data/SettingsStore.h"
#include "platform/MessageBox.h"
#include "platform/Quitter.h"

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
    return OpenFileRequest{DialogTitle, FilterText, FilterPattern, programFolder};
}

bool openAt(DataControl& data, const QString& path) {
    data.setDatabaseName(path);
    return data.refresh();
}

QString askForFile(SettingsStore& settings, FileDialog& dialog, MessageBox& box,
                   const QString& programFolder, DataControl& data, QWidget* owner) {
    for (;;) {
        const QString chosen = dialog.openFile(owner, fileRequest(programFolder));
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
               const QString& programFolder, DataControl& data, QWidget* owner) {
    const QString stored = storedPathToOpen(settings.read(Options::Database, Options::Path));
    if (!stored.isEmpty() && openAt(data, stored))
        return {true, stored};
    const QString chosen = askForFile(settings, dialog, box, programFolder, data, owner);
    if (!chosen.isEmpty())
        return {true, chosen};
    box.show(CannotRunText, MsgBox::OkOnly, QString());
    quitter.quit(1);
    return {};
}

} // namespace DatabaseLocation

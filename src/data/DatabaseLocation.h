#pragma once

#include "platform/FileDialog.h"

#include <QString>

class DataControl;
class MessageBox;
class Quitter;
class SettingsStore;
class QWidget;

// Finding the learning database at start-up and when the teacher picks another file.
namespace DatabaseLocation {

inline const QString DialogTitle = QStringLiteral("Veuillez sélectionner DbBrin.mdb");
inline const QString FilterText = QStringLiteral("Base de donnée VALIMOR Brindel (DbBrin.mdb)");
inline const QString FilterPattern = QStringLiteral("DbBrin.mdb");
inline const QString CannotRunText =
    QStringLiteral("VALIMOR Brindel ne peut pas fonctionner sans ce fichier. L'application est "
                   "dans l'obligation de s'interrompre.");
inline const QString InvalidFileTitle = QStringLiteral("VALIMOR Brindel");
// The text shown when a chosen file is not a learning database.
QString invalidFileText(const QString& path);

struct Outcome {
    bool opened = false; // false: the user gave up and the program was asked to end
    QString path;        // the database now open (the new CheminBase)
};

// The stored path made ready to open: one final "\" or "/" dropped.
QString storedPathToOpen(const QString& stored);
// A path confirmed in the dialog, without surrounding spaces and a final NUL character.
QString cleanChosenPath(const QString& chosen);
OpenFileRequest fileRequest(const QString& programFolder);

// The folder of the user's own copy of the learning database ("$XDG_DATA_HOME/VALIMOR Brindel").
QString defaultUserDataFolder();
// First start: copies the sample database of the program folder into the user's data folder,
// writable by the user, unless a copy is already there (a copy is never overwritten). Returns
// the copy's path, or the empty text when there is no sample or it cannot be copied.
QString prepareUserCopy(const QString& programFolder, const QString& userDataFolder);
// True when path is the database the program works on by itself: the sample file beside the
// program, or the user's own copy of it; false for a file elsewhere (a shared one).
bool isLocal(const QString& path, const QString& programFolder, const QString& userDataFolder);

// Points data at path and refreshes it; true when the file is an existing learning database.
bool openAt(DataControl& data, const QString& path);

// Asks for the file until the user confirms a learning database or cancels. A file that is not
// one brings a message naming it, then the dialog again. A confirmed file is stored as the
// "Path" of section "Database" and data is left open on it. Returns the path, or the empty
// text when the dialog was cancelled.
QString askForFile(SettingsStore& settings, FileDialog& dialog, MessageBox& box,
                   const QString& programFolder, DataControl& data, QWidget* owner);
QString askForFile(SettingsStore& settings, FileDialog& dialog, MessageBox& box,
                   const OpenFileRequest& request, DataControl& data, QWidget* owner);

// Start-up: opens the stored database, or asks for it; a cancelled dialog shows the message
// that the program cannot run without the file and asks quitter to end the program. When no
// path is stored and a user data folder is given, the sample database is first copied there and
// the dialog opens on that copy.
Outcome locate(SettingsStore& settings, FileDialog& dialog, MessageBox& box, Quitter& quitter,
               const QString& programFolder, DataControl& data, QWidget* owner,
               const QString& userDataFolder = {});

} // namespace DatabaseLocation

#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The rules of the sign-in and registration windows, kept apart from the widgets.
namespace SignInRules {

inline const QString Invite = QStringLiteral("Invité");
inline const QString TousLesGroupes = QStringLiteral("Tous les groupes");
inline const QString MotDePasseParDefaut = QStringLiteral("pivoine");

// Removes leading and trailing spaces (the space character only).
QString trimSpaces(const QString& text);

// Order of the sorted name and group lists: letters compared without regard to case first,
// then with it, so that groups differing only in case stand side by side.
bool listOrder(const QString& a, const QString& b);
void sortList(QStringList& list);

// The groups of the pupil rows (one entry per row that has a group) turned into what the
// registration form is handed over: the distinct groups in list order, the Groupes array that
// holds each group at the index of its last occurrence and empty texts elsewhere (indices 0 to
// the number of entries), and NbGroupes, the number of entries.
struct Groups {
    QStringList choices;
    QStringList groupes;
    int nbGroupes = 0;
};
Groups collectGroups(QStringList groupEntries);

// A pupil's stored password, with its surrounding spaces removed, must equal the typed text
// exactly, letter case included.
bool pupilPasswordMatches(const QString& storedPassword, const QString& typed);

// What the "Gestionnaire" button does with the typed management password.
enum class ManagementAnswer {
    ShowDefaultPassword, // the default is in force: show it and fill it in
    AskPassword,         // nothing typed
    OpenConsole,         // right password
    WrongPassword,
};
// May store the default password when none is stored and the typed text is not the default.
ManagementAnswer checkManagementPassword(SettingsStore& settings, const QString& typed);
QString defaultPasswordMessage();

// The registration form's checks, in their order. The first failing one gives the question
// shown to the child; an empty text means every answer is acceptable.
QString registrationQuestion(const QString& name, const QString& group, const QString& password,
                             const QString& confirmation);
QString registrationConfirmation(const QString& name, const QString& group);

} // namespace SignInRules

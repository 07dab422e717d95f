#pragma once

#include <QString>
#include <QStringList>

// What the management console decides without widgets: the password change, the options and
// their stored values, and the checks on a pupil's cell before it is written.
namespace ConsoleRules {

// ---- password change ----
enum class PasswordBox { Old, New, Confirm };

struct PasswordVerdict {
    bool store = false; // every check passed: store the confirmation as typed
    QString text;       // the message to show
    int flags = 0;      // its icon (OK button)
    PasswordBox focus = PasswordBox::Old;
    bool selectAll = false; // select the box's text, else put the cursor at its start
};

inline const QString PasswordTitle = QStringLiteral("Mot de passe");

// Checks, in order, the old password against the stored one (surrounding spaces of the stored
// one ignored), the new one and its confirmation (compared exactly).
PasswordVerdict changePassword(const QString& stored, const QString& oldText,
                               const QString& newText, const QString& confirmText);

// ---- options ----
// The settings key written by check box Check1..Check3 (empty for another index).
QString checkBoxKey(int index);
// A box is ticked only for a stored "Vrai"; a box writes "Vrai" when ticked, "Faux" otherwise.
bool isTicked(const QString& stored);
QString valueOf(bool ticked);
// The quiz table for a stored "Quizz" value: Quizz1 for "Vrai", Quizz2 for anything else.
QString quizTable(const QString& stored);

// ---- pupils grid ----
// The longest pupil password the sign-in box can hold.
constexpr int MaxPupilPassword = 3;
inline const QString EditTitle = QStringLiteral("Gestion des inscrits");

// The message refusing a new value for a field of a pupil's row, or the empty text when it may
// be written. otherNames: the names of the other rows.
QString refuseCell(const QString& field, const QString& value, const QStringList& otherNames);

} // namespace ConsoleRules

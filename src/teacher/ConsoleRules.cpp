#include "teacher/ConsoleRules.h"

#include "data/Options.h"
#include "data/Schema.h"
#include "data/TextFold.h"
#include "platform/MessageBox.h"

namespace ConsoleRules {

namespace {
PasswordVerdict refuse(const char* text, int icon, PasswordBox focus, bool selectAll) {
    return {false, QString::fromUtf8(text), icon, focus, selectAll};
}

bool hasUnstorableCharacter(const QString& value) {
    for (const QChar c : value)
        if (c.isSurrogate() || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            return true;
    return false;
}
} // namespace

PasswordVerdict changePassword(const QString& stored, const QString& oldText,
                               const QString& newText, const QString& confirmText) {
    using namespace MsgBox;
    if (oldText.trimmed().isEmpty())
        return refuse("Quelle est votre ancien mot de passe ?", Question, PasswordBox::Old, false);
    if (stored.trimmed() != oldText)
        return refuse("Ce n'est pas le bon mot de passe.", Exclamation, PasswordBox::Old, true);
    if (newText.trimmed().isEmpty())
        return refuse("Quelle est votre nouveau mot de passe ?", Exclamation, PasswordBox::New,
                      false);
    if (newText.trimmed() == QStringLiteral("pivoine"))
        return refuse("\"pivoine\" est le mot de passe par défaut !\nChangez-le.", Critical,
                      PasswordBox::New, true);
    if (confirmText.trimmed().isEmpty())
        return refuse("Confirmer votre mot de passe.", Information, PasswordBox::Confirm, false);
    if (newText != confirmText)
        return refuse("Confirmation du mot de pase incorrect.", Critical, PasswordBox::Confirm,
                      true);
    return {true,
            QStringLiteral("Votre nouveau mot de passe \nest bien enregistré. Ne l'oubliez pas !"),
            Information, PasswordBox::Old, false};
}

QString checkBoxKey(int index) {
    switch (index) {
    case 1:
        return Options::Protection;
    case 2:
        return Options::Verrouillage;
    case 3:
        return Options::Texte;
    default:
        return {};
    }
}

bool isTicked(const QString& stored) {
    return stored == Options::Vrai;
}

QString valueOf(bool ticked) {
    return ticked ? Options::Vrai : Options::Faux;
}

QString quizTable(const QString& stored) {
    return stored == Options::Vrai ? Schema::Table::Quizz1 : Schema::Table::Quizz2;
}

QString refuseCell(const QString& field, const QString& value, const QStringList& otherNames) {
    using namespace Schema::Field;
    if (hasUnstorableCharacter(value))
        return QStringLiteral("Ce texte contient un caractère qui ne peut pas être enregistré "
                              "(symbole ou émoticône). Les modifications sont annulées.");
    if (field.compare(Nom, Qt::CaseInsensitive) == 0) {
        if (value.trimmed().isEmpty())
            return QStringLiteral("Le nom de l'élève ne peut pas être vide.");
        const QString folded = foldCase(value.trimmed());
        for (const QString& other : otherNames)
            if (foldCase(other.trimmed()) == folded)
                return QStringLiteral("Le nom \"%1\" est déjà inscrit. Choisissez un autre nom.")
                    .arg(value.trimmed());
    } else if (field.compare(Groupe, Qt::CaseInsensitive) == 0) {
        if (value.trimmed().isEmpty())
            return QStringLiteral("Le groupe de l'élève ne peut pas être vide.");
    } else if (field.compare(Motdepasse, Qt::CaseInsensitive) == 0) {
        if (value.trimmed().isEmpty())
            return QStringLiteral("Le mot de passe de l'élève ne peut pas être vide.");
        if (value.size() > MaxPupilPassword)
            return QStringLiteral("Le mot de passe d'un élève a au plus 3 caractères.");
    }
    return {};
}

} // namespace ConsoleRules

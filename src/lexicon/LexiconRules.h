#pragma once

#include "data/Criterion.h"

#include <QString>
#include <QStringList>

#include <optional>

// The rules of the lexicon window that need no widget: which rows a tab or the typed text
// lists, whether the lexicon is write-protected, the checks before a deletion and the texts of
// its boxes.
namespace LexiconRules {

inline const QString AllTab = QStringLiteral("+");

// The keys of the tab strip: "+" then "A" to "Z".
QStringList tabKeys();

// The rows to list: none (the whole table) for the "+" tab unless the search box is being
// typed into; otherwise the words whose Origine begins with the search text, any letter case.
std::optional<Criterion> filterFor(const QString& tabKey, bool typing, const QString& search);

// The option "Protection" protects only when it is exactly "Vrai".
bool isProtected(const QString& protectionOption);

enum class Deletion { NothingToDelete, PasswordMissing, WrongPassword, Ask };
// What a press on "Suppression" leads to. The typed password is compared as typed, letter case
// and spaces included; a blank one is asked for again, and with no stored password no typed one
// can match.
Deletion checkDeletion(const QString& word, const QString& typed, const QString& stored);

QString protectedMessage();
QString modificationMessage(bool protectedLexicon);
QString deletionQuestion(const QString& word);
QString errorMessage(int code, const QString& description);

inline const QString ProtectedStatus =
    QStringLiteral("Le lexique est actuellement protégé en écriture.");
inline const QString UnprotectedStatus =
    QStringLiteral("Le lexique n'est actuellement pas protégé en écriture.");
inline const QString SaveQuestion = QStringLiteral("Voulez-vous enregistrer les modifications ?");
inline const QString SaveTitle = QStringLiteral("Confirmation d'enregistrement");
inline const QString AddTitle = QStringLiteral("Ajout d'un enregistrement");
inline const QString ModificationTitle = QStringLiteral("Modification");
inline const QString DeletionTitle = QStringLiteral("Suppression");
inline const QString NothingToDeleteText = QStringLiteral("Il n'y a rien à supprimer !");
inline const QString PasswordTitle = QStringLiteral("Mot de passe");
inline const QString PasswordMissingText = QStringLiteral("Veuillez entrer votre mot de passe...");
inline const QString WrongPasswordText = QStringLiteral("Mauvais mot de passe.");
inline const QString DeleteQuestionTitle = QStringLiteral("Supprimer...");
inline const QString EnglishFrench = QStringLiteral("Anglais/Français");
inline const QString FrenchEnglish = QStringLiteral("Français/Anglais");

} // namespace LexiconRules

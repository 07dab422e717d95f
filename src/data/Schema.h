#pragma once

#include <QString>
#include <QStringList>

// Tables and fields of the learning database DbBrin.mdb.
namespace Schema {

namespace Table {
inline const QString Gestion = QStringLiteral("Gestion");
inline const QString Imagier = QStringLiteral("Imagier");
inline const QString Compte = QStringLiteral("Compte");
inline const QString Quizz1 = QStringLiteral("Quizz1");
inline const QString Quizz2 = QStringLiteral("Quizz2");
inline const QString Angfr = QStringLiteral("Angfr");
inline const QString Frang = QStringLiteral("Frang");
} // namespace Table

namespace Field {
// Gestion
inline const QString Nom = QStringLiteral("Nom");
inline const QString Groupe = QStringLiteral("Groupe");
inline const QString Motdepasse = QStringLiteral("Motdepasse");
// Imagier
inline const QString Intituler = QStringLiteral("Intituler");
inline const QString Langue = QStringLiteral("Langue");
// Compte
inline const QString Numero = QStringLiteral("Numero");
inline const QString Textanglais = QStringLiteral("Textanglais");
inline const QString Indice = QStringLiteral("Indice");
inline const QString Vers = QStringLiteral("Vers");
// Quizz1, Quizz2
inline const QString Question = QStringLiteral("Question");
inline const QString Reponse1 = QStringLiteral("Reponse1");
inline const QString Reponse2 = QStringLiteral("Reponse2");
inline const QString Reponse3 = QStringLiteral("Reponse3");
inline const QString Valide1 = QStringLiteral("Valide1");
inline const QString Valide2 = QStringLiteral("Valide2");
inline const QString Valide3 = QStringLiteral("Valide3");
// Angfr, Frang
inline const QString Origine = QStringLiteral("Origine");
inline const QString Traduction = QStringLiteral("Traduction");
} // namespace Field

// The 59 score fields of Gestion, in the order of the results chart's bars: the picture themes
// and oppositions (0-17), Son1-10 (18-27), Texte1-10 (28-37), Dictee1-10 (38-47), Quizz (48),
// Comptine1-10 (49-58).
const QStringList& scoreFields();

// Every table of the database.
const QStringList& tables();

// The statements that create the empty database: plain SQLite types, no custom collation, so
// that any SQLite tool can open the file.
QStringList createStatements();

} // namespace Schema

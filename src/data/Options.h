#pragma once

#include <QString>

class SettingsStore;

// Names and values of the options kept in the settings store.
namespace Options {
inline const QString Configuration = QStringLiteral("Configuration");
inline const QString Protection = QStringLiteral("Protection");
inline const QString Verrouillage = QStringLiteral("Verrouillage");
inline const QString Texte = QStringLiteral("Texte");
inline const QString Quizz = QStringLiteral("Quizz");
inline const QString MotDePasse = QStringLiteral("Mot de passe");
// "Faux" hides the pronunciation stars of the recording studio; anything else shows them.
inline const QString Etoiles = QStringLiteral("Etoiles");

inline const QString Database = QStringLiteral("Database");
inline const QString Path = QStringLiteral("Path");

inline const QString Vrai = QStringLiteral("Vrai");
inline const QString Faux = QStringLiteral("Faux");

// Writes the default of each option that reads empty, in the order Protection, Verrouillage,
// Texte, Quizz. A stored value is never overwritten.
void applyStartupDefaults(SettingsStore& store);
} // namespace Options

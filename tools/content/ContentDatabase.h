#pragma once

#include "TextSources.h"

#include <QString>

class ContentCache;

// The learning database DbBrin.mdb of the program folder.
//
// A new database is built whole in a scratch file and moved into place once complete. An
// existing database holds classroom data (pupils, scores, the teacher's questions and words):
// then only the content tables whose sources changed (Imagier, Compte, Quizz1) are rebuilt, the
// lexicon pairs of the sources that are missing are added, and all of it is one transaction.
// Gestion and Quizz2 are never touched, and no lexicon row is ever deleted.
namespace ContentDatabase {

inline const QString FileName = QStringLiteral("DbBrin.mdb");
inline const QString GuestName = QStringLiteral("Invité");
// The guest signs in like every pupil, with the password of its own row: easy to remember,
// and never empty, since an empty password cannot be typed at sign-in.
inline const QString GuestPassword = QStringLiteral("123");

struct Sources {
    QList<TextSources::Word> words;
    QList<TextSources::Sentence> sentences;
    QList<TextSources::Rhyme> rhymes;
    QList<TextSources::QuizQuestion> quiz;
    QList<TextSources::LexiconPair> lexicon;
};

// Fingerprints of the sources of each content table; a table whose fingerprint matches the one
// recorded in the cache is left as it is.
struct Fingerprints {
    QByteArray imagier;
    QByteArray compte;
    QByteArray quizz1;
    QByteArray lexicon;
};

// Reads every source of the database from the content folder.
std::optional<Sources> readSources(const QString& contentFolder, QString* error);
Fingerprints fingerprints(const QString& contentFolder);

// Creates or updates programFolder/DbBrin.mdb.
bool update(const QString& programFolder, const Sources& sources, const Fingerprints& prints,
            ContentCache& cache, QString* error);

// The content generator's database step: read the sources, then update.
bool generate(const QString& contentFolder, const QString& programFolder, ContentCache& cache,
              QString* error);

} // namespace ContentDatabase

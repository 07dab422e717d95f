#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The text sources of the classroom content (content/ folder), read and checked. Every reader
// returns nothing and sets the error ("file:line: reason") when a source is malformed, so that
// the build stops with a message instead of shipping content the program cannot use.
namespace TextSources {

// One word of content/words/<Colonne>.tsv.
struct Word {
    QString column;  // score column, the file's base name ("Son1", "Sport")
    QString key;     // "k0".."k17", "k01".."k10"
    QString english; // label shown under the picture, also the spoken text
    QString french;  // translation for the lexicon (may be empty: then no lexicon pair)
};

// One sentence of the Distingue (Texte<N>) or Ecris (Dictee<N>) exercises.
struct Sentence {
    QString column; // "Texte1".."Texte10", "Dictee1".."Dictee10"
    int button = 0; // sentence button 0..9
    QString numero; // key of the row in table Compte
    QString text;
};

// One nursery rhyme (Comptine<N>).
struct Rhyme {
    int number = 0; // 1..10
    QString title;
    QStringList verses; // 1..10 verses
};

struct QuizQuestion {
    QString question;
    std::array<QString, 3> answers;
    std::array<bool, 3> right{};
};

struct LexiconPair {
    QString english;
    QString french;
    bool operator==(const LexiconPair&) const = default;
};

// The lines of a UTF-8 text file without blank lines and "#" comments, each with its line number.
struct Line {
    int number = 0;
    QString text;
};
std::optional<QList<Line>> readLines(const QString& path, QString* error);

// All word lists content/words/*.tsv, in file-name order then file order.
std::optional<QList<Word>> readWords(const QString& contentFolder, QString* error);

// The sentences of content/sentences/Texte1..10.txt and Dictee1..10.txt: ten per file, each
// ending with " ?", " !" or ".", no double quote (it cannot be typed by the pupil).
std::optional<QList<Sentence>> readSentences(const QString& contentFolder, QString* error);
// The key of sentence button 0..9 of a Texte<N>/Dictee<N> column: "00".."09" for Texte1..10,
// "10".."19" for Dictee1..10, followed by the button ("124" is button 4 of Dictee3).
QString sentenceKey(const QString& column, int button);

// The rhymes of content/rhymes/Comptine1..10.txt: the first comment is the title, each other
// line a verse; at most ten verses, and only one rhyme may have ten (its tenth verse has a
// shared row).
std::optional<QList<Rhyme>> readRhymes(const QString& contentFolder, QString* error);
// The key of verse 1..10 of rhyme 1..10: "1" + (rhyme - 1) + verse, and "160" for any tenth verse.
QString verseKey(int rhyme, int verse);

// content/quiz.tsv: question, three answers, the digits of the right answers. Questions are
// unique (the quiz finds a row by its text) and hold no double quote (it would break the search).
std::optional<QList<QuizQuestion>> readQuiz(const QString& contentFolder, QString* error);

// content/lexicon.tsv followed by every (English, French) pair of the word lists, without
// duplicates, in that order.
std::optional<QList<LexiconPair>> readLexicon(const QString& contentFolder,
                                              const QList<Word>& words, QString* error);

// A fingerprint of every file of these source folders/files (relative to the content folder),
// for deciding whether generated output is up to date.
QByteArray sourcesFingerprint(const QString& contentFolder, const QStringList& relativePaths);

} // namespace TextSources

#pragma once

#include <QString>
#include <optional>

class DataControl;
class MessageBox;
struct Général;
struct Général;

// The rules of a listening series, without widgets: which word a hotspot or a word button
// names, whether an answer is right, how answers are counted, and the score written at the end
// of a series. It works on the shared counters of Général (Reussites, Erreurs, DernierMot).
class ListeningSeries {
public:
    static constexpr int SeriesLength = 10;
    static constexpr int MaxErreurs = 10;
    static constexpr int Muet = -1; // DernierMot when no word has been asked yet

    explicit ListeningSeries(Général& general) : g_(general) {}

    // ---- words ----
    // Key of the word a hotspot names on a theme picture ("k0".."k9"); empty for another index.
    static QString themeWordKey(int hotspot);
    // Key of the word a hotspot names on the second list's pictures: 0..9 and 11..17.
    static QString listWordKey(int hotspot);
    // Key of the word a word button asks in the question phase: "k0".."k9", and in the second
    // list (family 1) the spoken statements "k01".."k10".
    static QString questionWordKey(int famille, int button);
    // "\MciLangue\<Colonne><CleMot>.wav"
    static QString wordSound(const QString& colonne, const QString& cleMot);
    // Hotspot file of the Opposition pictures during the question phase; empty for the others.
    static QString questionHotspotFile(int numExercice);

    // ---- judging ----
    // A click on hotspot `clicked` when word `asked` is asked. In "L'école" (10) the objects 2
    // and 6 stand for each other.
    static bool sameObject(int numExercice, int clicked, int asked);
    // Whether word button `word` is to be answered with "Vrai": the first half of the words,
    // and word 8 in "L'Europe" (13) and "Le calendrier" (14).
    static bool answeredWithVrai(int numExercice, int word);
    // The teacher's reaction to an object of "La musique" (3): 2 success, 1 failure.
    static std::optional<int> musicReaction(int hotspot);

    // What the answer buttons show for an exercise when its question phase starts.
    enum class AnswerButtons { Hidden, Shown, ShownWithListen, Unchanged };
    static AnswerButtons answerButtonsFor(int numExercice);

    // ---- counting ----
    enum class Verdict { NotCounted, Right, Wrong };
    // A click on the picture in the question phase. Wrong adds an error and leaves the word
    // asked; Right is counted by the caller with countRight().
    Verdict judgeClick(int numExercice, int clicked);
    // An answer button ("Vrai" when vrai) for the word last asked. Right is counted by the
    // caller with countRight(); Wrong has already been counted by countButtonError().
    Verdict judgeAnswer(int numExercice, bool vrai);
    // One right answer: Reussites + 1.
    void countRight();
    // A wrong answer with the answer buttons: an error that also uses up the word. Returns true
    // when it was the tenth answer, which the caller closes with countRight().
    bool countButtonError();
    bool wordAsked() const;
    bool seriesComplete() const;
    // 10 minus the errors, never below 0.
    int score() const;
    void resetCounters();

    // ---- the score ----
    enum class ScoreWrite { Written, Guest, NoRows, NoPupil, Failed };
    struct ScoreOutcome {
        ScoreWrite result;
        QString error; // why the write failed
    };
    // Writes `score` into column `colonne` of the pupil's row of Gestion, in one transaction.
    // Nothing is written for the guest, when the data control had no row to start from, or when
    // no row carries the pupil's name. The data control is left on the table it was on.
    static ScoreOutcome storeScore(DataControl& data, const QString& nomChoisi,
                                   const QString& nomEleve, const QString& colonne, int score);
    static QString failureMessage(const QString& nomEleve, const QString& colonne,
                                  const QString& error);
    // Stores the score of the signed-in pupil (NomChoisi, NomEleve) in column Colonne, and tells
    // the teacher when it could not be written, so that no score is lost silently.
    static void storeScoreOrReport(DataControl& data, MessageBox& box, const Général& general,
                                   int score);

private:
    Général& g_;
};

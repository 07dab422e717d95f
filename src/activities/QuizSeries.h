#pragma once

#include <QList>
#include <QString>
#include <array>

class Random;
class RecordSet;
struct Général;

// One record of a quiz table: a question, its three answers and which of them are right.
struct QuizQuestion {
    static constexpr int Answers = 3;

    qint64 rowId = -1;
    QString question;
    std::array<QString, Answers> reponses;
    std::array<bool, Answers> valides{};

    bool hasRightAnswer() const;
    // The record the record set is on.
    static QuizQuestion fromRecord(const RecordSet& rs);
};

// The rules of a quiz series, without widgets: the questions in play order, the question on
// screen, judging an answer and the running score. Every answer, right or wrong, counts in
// Reussites; the wrong ones also in Erreurs, so that a series of ten answers ends with
// Reussites at 10 and a score of 10 minus the errors.
//
// A question with no answer marked right cannot be answered right, so it would cost the child
// a point whatever the child does: such records are left out of play.
class QuizSeries {
public:
    static constexpr int SeriesLength = 10;

    QuizSeries(Général& general, Random& random) : g_(general), random_(random) {}

    // Every record of the record set, in its order.
    static QList<QuizQuestion> readAll(RecordSet& rs);

    // The questions to play; those without a right answer are left out. Shuffles them and
    // puts the first one on screen.
    void setQuestions(const QList<QuizQuestion>& questions);
    int recordCount() const { return recordCount_; }
    int playableCount() const { return int(order_.size()); }
    // Enough playable questions for a series.
    bool canPlay() const { return playableCount() >= SeriesLength; }
    // Why a series cannot be played, for the teacher; empty when it can.
    QString refusalMessage() const;

    // Each position is swapped once with a random position of the whole list.
    void shuffle();
    // Position of the question on screen, 1 for the first.
    int index() const { return index_; }
    const QuizQuestion& current() const;
    // The question texts in play order.
    QStringList playOrder() const;

    // A new series: the counters go back to 0 and the first question of the list is asked.
    void startSeries();

    struct Verdict {
        bool right = false;
        // The text of the right answer shown after a wrong one (the last right one wins).
        QString solution;
    };
    // Answer 0..2 to the question on screen.
    Verdict answer(int reponse);
    // Right answers, " / ", answers given.
    QString scoreText() const;
    // After the pause: moves to the next question unless the series is complete. Returns true
    // when a new question is on screen.
    bool next();
    bool seriesComplete() const;
    // The series is over: a new play order, back to its first question.
    void endSeries();

    // Moves the record set to the record of `question`, found by its text (a bound value, so
    // quotes, % and _ match themselves). Among records with the same text, or texts that
    // differ only by letter case, it picks the record the question was read from.
    static bool locate(RecordSet& rs, const QuizQuestion& question);

private:
    Général& g_;
    Random& random_;
    QList<QuizQuestion> order_;
    int recordCount_ = 0;
    int index_ = 1;
};

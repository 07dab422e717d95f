#include "RhymeQuizScenario.h"
#include "activities/DictationCorrection.h"
#include "activities/Puzzle.h"

#include <QtTest>

using namespace DictationCorrection;

class TestDictationCorrection : public QObject {
    Q_OBJECT

private slots:
    // Case and the final mark are ignored; an answer of punctuation alone is not counted. The
    // first word must match the model's case to be green; the others are green whatever their
    // case and red when absent (a mark glued to a word makes it absent).
    void caseAndFinalPunctuationAreIgnoredInTheJudgement() {
        const struct {
            const char *model, *answer;
            bool right;
            QList<unsigned> colours; // checked when given
        } rows[] = {{"How are you ?", "how are you?", true, {Red, Green, Red}}, // mark glued
                    {"How are you ?", "how are you ?", true, {Red, Green, Green, Green}},
                    {"How are you ?", "how are you", true, {}},
                    {" How are you ? ", "How are you", true, {}},
                    {"I am ten.", "I am ten", true, {}},
                    {"I am ten.", "i am ten .", true, {}},
                    {"I am ten.", "I AM 10.", false, {Green, Green, Red}},
                    {"Hello !", "hello!", true, {}},
                    {"Yes !", "Yes!!", false, {}},
                    {"Hello, my name is Tom.", "hello, my name is tom ?", true, {}},
                    {"Good morning.", "   Good morning.  ", true, {}},
                    {"Good morning.", "Goodmorning.", false, {}},
                    {"I am fine.", "I fine.", false, {}},
                    {"I am fine.", "I am fire.", false, {Green, Green, Red}}};
        for (const auto& row : rows) {
            const Verdict verdict = correct(QString(row.answer), QString(row.model));
            QVERIFY2(verdict.counted && verdict.right == row.right, row.answer);
            QCOMPARE(verdict.words, cutWords(QString(row.answer)));
            QCOMPARE(verdict.colours.size(), verdict.words.size());
            if (!row.colours.isEmpty())
                QCOMPARE(verdict.colours, row.colours);
        }
        for (const char* alone : {"?", " . ", "!", ""}) {
            const Verdict verdict = correct(QString(alone), QStringLiteral("How are you ?"));
            QVERIFY2(!verdict.counted && !verdict.right && verdict.words.isEmpty() &&
                         verdict.colours.isEmpty(),
                     alone);
        }
    }

    void wordsKeepTheirSpaceAndTheLastOneItsMark() {
        QCOMPARE(cutWords(QStringLiteral("  I am ten  ")), (QStringList{"I ", "am ", "ten"}));
        QCOMPARE(cutWords(QStringLiteral("how are you?")), (QStringList{"how ", "are ", "you?"}));
        QCOMPARE(cutWords(QStringLiteral("a")), QStringList{"a"});
        QVERIFY(cutWords(QStringLiteral("   ")).isEmpty());
    }

    // A click inserts a space, or takes away the space just after the caret, else the one just
    // before it; at the start a space already there is not taken away.
    void clickInTheSentenceInsertsOrRemovesASpace() {
        QCOMPARE(runTogether(QStringLiteral("How are you ?")), QStringLiteral("Howareyou?"));
        const struct {
            const char *text, *expected;
            int caret, expectedCaret;
        } cases[] = {{"Howareyou?", "How areyou?", 3, 4},
                     {"How areyou?", "Howareyou?", 4, 3},
                     {"How areyou?", "Howareyou?", 3, 3},
                     {"Howareyou?", " Howareyou?", 0, 1},
                     {"Howareyou?", "Howareyou? ", 10, 11},
                     {" How", "  How", 0, 1},
                     {"How ", "How", 4, 3}};
        for (const auto& c : cases) {
            const Separation result = separate(QString(c.text), c.caret);
            QCOMPARE(result.text, QString(c.expected));
            QCOMPARE(result.caret, c.expectedCaret);
        }
    }

    void sentenceKeyJoinsExerciseAndButton() {
        const std::tuple<const char*, int, const char*> rows[] = {
            {"Dictee3", 4, "124"}, {"Dictee10", 9, "199"}, {"Texte1", 0, "000"},
            {"Texte10", 2, "092"}, {"Son1", 2, ""},        {"Texte11", 2, ""},
            {"Dictee1", 10, ""}};
        for (const auto& [colonne, index, key] : rows)
            QCOMPARE(sentenceKey(QString(colonne), index), QString(key));
    }

    void piecesAreEmptiedThenRevealedInOrder() {
        Puzzle puzzle;
        for (int i = 0; i < Puzzle::Pieces; ++i)
            QVERIFY(puzzle.cell(i) == i && !puzzle.bordered(i));
        puzzle.empty();
        for (int i = 0; i < Puzzle::Pieces; ++i)
            QCOMPARE(puzzle.cell(i), Puzzle::NoCell);
        QCOMPARE(puzzle.reveal(1), 0);
        QCOMPARE(puzzle.reveal(3), 2); // the second answer was a wrong one: piece 1 stays empty
        QCOMPARE(puzzle.cell(0), 0);
        QVERIFY(puzzle.bordered(0));
        QCOMPARE(puzzle.cell(1), Puzzle::NoCell);
        QCOMPARE(puzzle.cell(2), 2);
        QCOMPARE(puzzle.reveal(10), -1);
        QCOMPARE(puzzle.reveal(0), -1);
        QVERIFY(!puzzle.swap(0, 2)); // nothing is dragged before the end of a good series
    }

    void seriesWithThreeErrorsScramblesAndFourKeepsTheBoard() {
        Puzzle kept;
        ScriptedRandom unused({0.99});
        QVERIFY(!kept.endSeries(4, unused));
        QCOMPARE(unused.seeds, 0);
        QVERIFY(!kept.draggable());
        for (int i = 0; i < Puzzle::Pieces; ++i)
            QCOMPARE(kept.place(i), i);

        Puzzle scrambled;
        // i = 0..8 swaps with int(rnd * 9): 8, 0, 8, 0, ... and 0.999.. never gives 9.
        ScriptedRandom random({0.999999, 0.0});
        QVERIFY(scrambled.endSeries(3, random));
        QCOMPARE(random.seeds, 1);
        QVERIFY(scrambled.draggable());
        // swap(0,8) 812345670, swap(1,0) 182345670 ... swap(7,0) 780123456, swap(8,8) as is.
        QList<int> places;
        for (int i = 0; i < Puzzle::Pieces; ++i)
            places << scrambled.place(i);
        QCOMPARE(places, (QList<int>{7, 8, 0, 1, 2, 3, 4, 5, 6}));
        // A dropped piece swaps its picture with the target's; never with itself or off the board.
        QVERIFY(scrambled.swap(1, 7));
        QVERIFY(scrambled.cell(1) == 7 && scrambled.cell(7) == 1);
        QVERIFY(!scrambled.swap(3, 3) && !scrambled.swap(3, 9) && !scrambled.swap(-1, 3));
        QCOMPARE(scrambled.cell(3), 3);
    }
};

QTEST_GUILESS_MAIN(TestDictationCorrection)
#include "tst_dictationcorrection.moc"

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
        // model, answer, right, the colours of the answer's words (checked when given)
        const std::tuple<const char*, const char*, bool, QList<unsigned>> rows[] = {
            {"How are you ?", "how are you?", true, {Red, Green, Red}}, // mark glued
            {"How are you ?", "how are you ?", true, {Red, Green, Green, Green}},
            {" How are you ? ", "How are you", true, {}},
            {"I am ten.", "I am ten", true, {}},
            {"I am ten.", "i am ten .", true, {}},
            {"I am ten.", "I AM 10.", false, {Green, Green, Red}},
            {"Hello !", "hello!", true, {}},
            {"Yes !", "Yes!!", false, {}},
            {"Hello, my name is Tom.", "hello, my name is tom ?", true, {}},
            {"Good morning.", "   Good morning.  ", true, {Green, Green}}, // no empty word
            {"Good morning.", "Goodmorning.", false, {}},
            {"I am fine.", "I fine.", false, {}}};
        for (const auto& [model, answer, right, colours] : rows) {
            const Verdict verdict = correct(QString(answer), QString(model));
            QVERIFY2(verdict.counted && verdict.right == right, answer);
            QCOMPARE(verdict.words, cutWords(QString(answer)));
            QCOMPARE(verdict.colours.size(), verdict.words.size());
            if (!colours.isEmpty())
                QCOMPARE(verdict.colours, colours);
        }
        for (const char* alone : {"?", " . ", "!", ""}) {
            const Verdict verdict = correct(QString(alone), QStringLiteral("How are you ?"));
            QVERIFY2(!verdict.counted && !verdict.right && verdict.words.isEmpty() &&
                         verdict.colours.isEmpty(),
                     alone);
        }
    }

    // A click inserts a space, or takes away the space just after the caret, else the one just
    // before it; at the start a space already there is not taken away.
    void clickInTheSentenceInsertsOrRemovesASpace() {
        // text, caret, the text and the caret after the click
        const std::tuple<const char*, int, const char*, int> cases[] = {
            {"Howareyou?", 3, "How areyou?", 4},
            {"How areyou?", 4, "Howareyou?", 3},
            {"How areyou?", 3, "Howareyou?", 3},
            {"Howareyou?", 0, " Howareyou?", 1},
            {"Howareyou?", 10, "Howareyou? ", 11},
            {" How", 0, "  How", 1},
            {"How ", 4, "How", 3}};
        for (const auto& [text, caret, expected, expectedCaret] : cases) {
            const Separation result = separate(QString(text), caret);
            QCOMPARE(result.text, QString(expected));
            QCOMPARE(result.caret, expectedCaret);
        }
    }

    // The Dictee window test reads sentences 190 and 001 and finds no row 193.
    void sentenceKeyJoinsExerciseAndButton() {
        const std::tuple<const char*, int, const char*> rows[] = {
            {"Dictee3", 4, "124"}, {"Dictee10", 9, "199"}, {"Texte10", 2, "092"},
            {"Son1", 2, ""},       {"Texte11", 2, ""},     {"Dictee1", 10, ""}};
        for (const auto& [colonne, index, key] : rows)
            QCOMPARE(sentenceKey(QString(colonne), index), QString(key));
    }

    // Only answers 1..9 reveal a piece, bordered (the Repère window test shows them in order
    // and finds nothing draggable before the end of a series). Four errors keep the board;
    // three scramble it, and a dropped piece then swaps its picture with the target's.
    void piecesAreRevealedThenScrambledAfterAtMostThreeErrors() {
        Puzzle kept;
        kept.empty();
        QCOMPARE(kept.reveal(3), 2);
        QVERIFY(kept.bordered(2) && !kept.bordered(0));
        QCOMPARE(kept.cell(1), Puzzle::NoCell);
        QCOMPARE(kept.reveal(10), -1);
        QCOMPARE(kept.reveal(0), -1);
        ScriptedRandom unused({0.99});
        QVERIFY(!kept.endSeries(4, unused));
        QCOMPARE(unused.seeds, 0);
        QVERIFY(!kept.draggable() && !kept.swap(2, 0));
        for (int i = 0; i < Puzzle::Pieces; ++i)
            QCOMPARE(kept.place(i), i);

        Puzzle scrambled;
        // i = 0..8 swaps with int(rnd * 9): 8, 0, 8, 0, ... and 0.999.. never gives 9.
        ScriptedRandom random({0.999999, 0.0});
        QVERIFY(scrambled.endSeries(3, random));
        QCOMPARE(random.seeds, 1);
        // swap(0,8) 812345670, swap(1,0) 182345670 ... swap(7,0) 780123456, swap(8,8) as is.
        QList<int> places;
        for (int i = 0; i < Puzzle::Pieces; ++i)
            places << scrambled.place(i);
        QCOMPARE(places, (QList<int>{7, 8, 0, 1, 2, 3, 4, 5, 6}));
        QVERIFY(scrambled.swap(1, 7));
        QVERIFY(scrambled.cell(1) == 7 && scrambled.cell(7) == 1);
        // Never with itself or off the board.
        QVERIFY(!scrambled.swap(3, 3) && !scrambled.swap(3, 9) && !scrambled.swap(-1, 3));
        QCOMPARE(scrambled.cell(3), 3);
    }
};

QTEST_GUILESS_MAIN(TestDictationCorrection)
#include "tst_dictationcorrection.moc"

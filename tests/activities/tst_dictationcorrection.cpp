#include "activities/DictationCorrection.h"
#include "activities/Puzzle.h"
#include "platform/Clock.h"

#include <QtTest>

using namespace DictationCorrection;

namespace {
// Returns the scripted numbers in turn and counts the reseedings.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}
    void randomize() override { ++reseeds; }
    double rnd() override { return values_.at(next_++ % values_.size()); }
    int reseeds = 0;

private:
    QList<double> values_;
    qsizetype next_ = 0;
};
} // namespace

class TestDictationCorrection : public QObject {
    Q_OBJECT

private slots:
    void caseAndFinalPunctuationAreIgnoredInTheJudgement_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        const auto row = [](const char* name, const char* model, const char* answer, bool right) {
            QTest::newRow(name) << QString(model) << QString(answer) << right;
        };
        row("question mark glued", "How are you ?", "how are you?", true);
        row("question mark spaced", "How are you ?", "How are you ?", true);
        row("no question mark", "How are you ?", "how are you", true);
        row("full stop missing", "I am ten.", "I am ten", true);
        row("full stop spaced", "I am ten.", "i am ten .", true);
        row("digits for a word", "I am ten.", "I am 10.", false);
        row("exclamation", "Hello !", "hello!", true);
        row("blanks around", "Good morning.", "   Good morning.  ", true);
        row("inner space missing", "Good morning.", "Goodmorning.", false);
        row("word missing", "I am fine.", "I fine.", false);
    }
    void caseAndFinalPunctuationAreIgnoredInTheJudgement() {
        QFETCH(QString, model);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        const Verdict verdict = correct(answer, model);
        QVERIFY(verdict.counted);
        QCOMPARE(verdict.right, right);
    }

    void normalisationDropsOnlyTheFinalMark() {
        QCOMPARE(normaliseModel(QStringLiteral(" How are you ? ")), QStringLiteral("how are you"));
        QCOMPARE(normaliseModel(QStringLiteral("I am ten.")), QStringLiteral("i am ten"));
        QCOMPARE(normaliseModel(QStringLiteral("Hello, my name is Tom.")),
                 QStringLiteral("hello, my name is tom"));
        QCOMPARE(normaliseAnswer(QStringLiteral("Hello, Tom ?")), QStringLiteral("hello, tom"));
        QCOMPARE(normaliseAnswer(QStringLiteral("Yes!!")), QStringLiteral("yes!"));
        QCOMPARE(normaliseAnswer(QStringLiteral("fine .")), QStringLiteral("fine"));
    }

    void wordsKeepTheirSpaceAndTheLastOneItsMark() {
        QCOMPARE(cutWords(QStringLiteral("  I am ten  ")), (QStringList{"I ", "am ", "ten"}));
        QCOMPARE(cutWords(QStringLiteral("how are you?")), (QStringList{"how ", "are ", "you?"}));
        QCOMPARE(cutWords(QStringLiteral("Hello")), QStringList{"Hello"});
        QCOMPARE(cutWords(QStringLiteral("a")), QStringList{"a"});
        QVERIFY(cutWords(QStringLiteral("   ")).isEmpty());
    }

    void firstWordDifferingInCaseIsRedWhileTheSentenceIsRight() {
        const Verdict verdict =
            correct(QStringLiteral("how are you ?"), QStringLiteral("How are you ?"));
        QVERIFY(verdict.right);
        QCOMPARE(verdict.words, (QStringList{"how ", "are ", "you ", "?"}));
        QCOMPARE(verdict.colours, (QList<unsigned>{Red, Green, Green, Green}));
    }

    void otherWordsAreGreenWhateverTheirCaseAndRedWhenAbsent() {
        const Verdict verdict = correct(QStringLiteral("I AM 10."), QStringLiteral("I am ten."));
        QVERIFY(!verdict.right);
        QCOMPARE(verdict.colours, (QList<unsigned>{Green, Green, Red}));
        const Verdict glued =
            correct(QStringLiteral("How are you?"), QStringLiteral("How are you ?"));
        QVERIFY(glued.right);
        QCOMPARE(glued.colours, (QList<unsigned>{Green, Green, Red}));
    }

    void punctuationAloneIsNeitherColouredNorCounted_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("question mark") << "?";
        QTest::newRow("spaced marks") << " . ";
        QTest::newRow("exclamation") << "!";
        QTest::newRow("empty") << "";
    }
    void punctuationAloneIsNeitherColouredNorCounted() {
        QFETCH(QString, answer);
        const Verdict verdict = correct(answer, QStringLiteral("How are you ?"));
        QVERIFY(!verdict.counted);
        QVERIFY(!verdict.right);
        QVERIFY(verdict.words.isEmpty());
        QVERIFY(verdict.colours.isEmpty());
    }

    void clickBetweenWordsInsertsThenRemovesASpace() {
        const QString shown = runTogether(QStringLiteral("How are you ?"));
        QCOMPARE(shown, QStringLiteral("Howareyou?"));
        const Separation inserted = separate(shown, 3);
        QCOMPARE(inserted.text, QStringLiteral("How areyou?"));
        QCOMPARE(inserted.caret, 4);
        // Just after the new space: the space before the caret goes.
        QCOMPARE(separate(inserted.text, 4).text, shown);
        // Just before it: the space after the caret goes.
        const Separation before = separate(inserted.text, 3);
        QCOMPARE(before.text, shown);
        QCOMPARE(before.caret, 3);
    }

    void clickAtEitherEndAddsASpaceThere() {
        QCOMPARE(separate(QStringLiteral("Howareyou?"), 0).text, QStringLiteral(" Howareyou?"));
        QCOMPARE(separate(QStringLiteral("Howareyou?"), 10).text, QStringLiteral("Howareyou? "));
        // A space at the start is not removed by a click before it (p = 0): another is added.
        QCOMPARE(separate(QStringLiteral(" How"), 0).text, QStringLiteral("  How"));
        // A space at the end is removed by a click after it.
        QCOMPARE(separate(QStringLiteral("How "), 4).text, QStringLiteral("How"));
        // The spaces added at the ends are trimmed before the correction.
        QVERIFY(correct(QStringLiteral(" How are you? "), QStringLiteral("How are you ?")).right);
    }

    void sentenceKeyJoinsExerciseAndButton() {
        QCOMPARE(sentenceKey(QStringLiteral("Dictee3"), 4), QStringLiteral("124"));
        QCOMPARE(sentenceKey(QStringLiteral("Dictee10"), 9), QStringLiteral("199"));
        QCOMPARE(sentenceKey(QStringLiteral("Texte1"), 0), QStringLiteral("000"));
        QCOMPARE(sentenceKey(QStringLiteral("Texte10"), 2), QStringLiteral("092"));
        QVERIFY(sentenceKey(QStringLiteral("Son1"), 2).isEmpty());
        QVERIFY(sentenceKey(QStringLiteral("Texte11"), 2).isEmpty());
        QVERIFY(sentenceKey(QStringLiteral("Dictee1"), 10).isEmpty());
    }

    void piecesAreEmptiedThenRevealedInOrder() {
        Puzzle puzzle;
        for (int i = 0; i < Puzzle::Pieces; ++i) {
            QCOMPARE(puzzle.cell(i), i);
            QVERIFY(!puzzle.bordered(i));
        }
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
        QCOMPARE(unused.reseeds, 0);
        QVERIFY(!kept.draggable());
        for (int i = 0; i < Puzzle::Pieces; ++i)
            QCOMPARE(kept.place(i), i);

        Puzzle scrambled;
        // i = 0..8 swaps with int(rnd * 9): 8, 0, 8, 0, ... and 0.999.. never gives 9.
        ScriptedRandom random({0.999999, 0.0});
        QVERIFY(scrambled.endSeries(3, random));
        QCOMPARE(random.reseeds, 1);
        QVERIFY(scrambled.draggable());
        // swap(0,8) 812345670, swap(1,0) 182345670 ... swap(7,0) 780123456, swap(8,8) as is.
        QList<int> places;
        for (int i = 0; i < Puzzle::Pieces; ++i)
            places << scrambled.place(i);
        QCOMPARE(places, (QList<int>{7, 8, 0, 1, 2, 3, 4, 5, 6}));
    }

    void droppedPieceSwapsItsPictureWithTheTarget() {
        Puzzle puzzle;
        ScriptedRandom random({0.5});
        puzzle.endSeries(0, random);
        QVERIFY(puzzle.swap(1, 7));
        QCOMPARE(puzzle.cell(1), 7);
        QCOMPARE(puzzle.cell(7), 1);
        QVERIFY(!puzzle.swap(3, 3));
        QVERIFY(!puzzle.swap(3, 9));
        QVERIFY(!puzzle.swap(-1, 3));
        QCOMPARE(puzzle.cell(3), 3);
    }
};

QTEST_GUILESS_MAIN(TestDictationCorrection)
#include "tst_dictationcorrection.moc"

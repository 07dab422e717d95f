#include "activities/RhymeOrder.h"
#include "platform/Clock.h"

#include <QtTest>
#include <algorithm>

namespace {
// A generator that returns the scripted numbers in turn.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}
    void randomize() override { ++seeds; }
    double rnd() override { return values_.at(next_++ % values_.size()); }
    int seeds = 0;

private:
    QList<double> values_;
    int next_ = 0;
};

const QStringList Twinkle{
    QStringLiteral("Twinkle, twinkle, little star,"), QStringLiteral("How I wonder what you are!"),
    QStringLiteral("Up above the world so high,"), QStringLiteral("Like a diamond in the sky.")};

QList<int> topsOf(const RhymeOrder& rhyme) {
    QList<int> tops;
    for (int k = 1; k <= rhyme.nbVers(); ++k)
        tops << rhyme.top(k);
    return tops;
}
} // namespace

class TestRhymeOrder : public QObject {
    Q_OBJECT

private slots:
    void layoutOfEachRhyme_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("interligne");
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("rhyme 1") << 49 << "10" << 600 << true << false;
        QTest::newRow("rhyme 4") << 52 << "13" << 300 << true << false;
        QTest::newRow("rhyme 6") << 54 << "15" << 300 << true << false;
        QTest::newRow("rhyme 7 wraps") << 55 << "16" << 400 << false << true;
        QTest::newRow("rhyme 8 wraps") << 56 << "17" << 600 << false << true;
        QTest::newRow("rhyme 10") << 58 << "19" << 400 << true << false;
    }
    void layoutOfEachRhyme() {
        QFETCH(int, exercise);
        const auto layout = RhymeOrder::layout(exercise);
        QVERIFY(layout);
        QTEST(layout->prefix, "prefix");
        QTEST(layout->interligne, "interligne");
        QTEST(layout->autoSize, "autoSize");
        QTEST(layout->wordWrap, "wordWrap");
    }

    void otherExercisesHaveNoRhyme() {
        for (int exercise : {0, 48, 59, 60})
            QVERIFY2(!RhymeOrder::layout(exercise), qPrintable(QString::number(exercise)));
    }

    void keysAndSounds_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        using R = RhymeOrder;
        QTest::newRow("first verse") << R::verseKey("10", 1) << "101";
        QTest::newRow("ninth verse") << R::verseKey("19", 9) << "199";
        QTest::newRow("tenth verse of rhyme 4") << R::verseKey("13", 10) << "160";
        QTest::newRow("tenth verse of rhyme 1") << R::verseKey("10", 10) << "160";
        QTest::newRow("verse sound") << R::verseSound(49, 3) << "\\MciLangue\\1493.wav";
        QTest::newRow("tenth verse sound") << R::verseSound(52, 10) << "\\MciLangue\\15210.wav";
        QTest::newRow("whole rhyme") << R::rhymeSound(49) << "\\MciLangue\\149490.wav";
        QTest::newRow("whole last rhyme") << R::rhymeSound(58) << "\\MciLangue\\158580.wav";
    }
    void keysAndSounds() {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void versesGiveTheRhymeTextAndTheirPlaces() {
        RhymeOrder rhyme;
        rhyme.setVerses(Twinkle, 600);
        QCOMPARE(rhyme.nbVers(), 4);
        QCOMPARE(rhyme.texteComptine(),
                 QStringLiteral("Twinkle, twinkle, little star,\rHow I wonder what you are!\r"
                                "Up above the world so high,\rLike a diamond in the sky.\r"));
        QCOMPARE(topsOf(rhyme), (QList<int>{700, 1300, 1900, 2500}));
        QVERIFY(rhyme.panel().isEmpty());
    }

    // Each k swaps with j = int(n * rnd + 1); the tops stay the same set of places.
    void shuffleSwapsOnlyTheTops_data() {
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("scripted") << QList<double>{0.9, 0.0, 0.5} << QList<int>{1100, 700, 1500};
        QTest::newRow("always the middle") << QList<double>{0.5} << QList<int>{1100, 1500, 700};
        QTest::newRow("each to itself")
            << QList<double>{0.0, 0.34, 0.67} << QList<int>{700, 1100, 1500};
        QTest::newRow("a generator reaching 1")
            << QList<double>{1.0} << QList<int>{1500, 700, 1100};
    }
    void shuffleSwapsOnlyTheTops() {
        QFETCH(QList<double>, numbers);
        RhymeOrder rhyme;
        rhyme.setVerses(Twinkle.mid(0, 3), 400);
        ScriptedRandom random(numbers);
        rhyme.shuffle(random);
        QCOMPARE(random.seeds, 1);
        QTEST(topsOf(rhyme), "tops");
        QCOMPARE(rhyme.verse(1), Twinkle.at(0)); // the verses stay with their labels
    }

    void shuffleAgainStartsFromTheCurrentOrder() {
        RhymeOrder rhyme;
        rhyme.setVerses(Twinkle, 400);
        ScriptedRandom random({0.5});
        rhyme.shuffle(random);
        const QList<int> first = topsOf(rhyme);
        rhyme.shuffle(random);
        QVERIFY(topsOf(rhyme) != first);
        QList<int> sorted = topsOf(rhyme);
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, (QList<int>{700, 1100, 1500, 1900}));
    }

    void judgingThePanel_data() {
        QTest::addColumn<QList<int>>("drops");
        QTest::addColumn<QStringList>("verses");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("panel");
        const auto panel = [](const QStringList& lines) { return lines.join(u'\r') + u'\r'; };
        QTest::newRow("all in order")
            << QList<int>{1, 2, 3, 4} << Twinkle << true << panel(Twinkle);
        QTest::newRow("only some")
            << QList<int>{1, 2} << Twinkle << false << panel(Twinkle.mid(0, 2));
        QTest::newRow("two swapped") << QList<int>{1, 3, 2, 4} << Twinkle << false
                                     << panel({Twinkle[0], Twinkle[2], Twinkle[1], Twinkle[3]});
        QTest::newRow("a verse twice is refused")
            << QList<int>{1, 1, 2, 3, 4} << Twinkle << true << panel(Twinkle);
        QTest::newRow("out of range is refused")
            << QList<int>{0, 1, 2, 3, 4, 5} << Twinkle << true << panel(Twinkle);
        QTest::newRow("letter case counts")
            << QList<int>{2, 1} << QStringList{"Row", "row"} << false << "row\rRow\r";
        QTest::newRow("nothing dropped") << QList<int>{} << Twinkle << false << "";
    }
    void judgingThePanel() {
        QFETCH(QList<int>, drops);
        QFETCH(QStringList, verses);
        RhymeOrder rhyme;
        rhyme.setVerses(verses, 400);
        for (int k : drops)
            rhyme.drop(k);
        QTEST(rhyme.isRight(), "right");
        QTEST(rhyme.panel(), "panel");
    }

    void restartEmptiesThePanelAndFreesTheVerses() {
        RhymeOrder rhyme;
        rhyme.setVerses(Twinkle, 400);
        QVERIFY(rhyme.drop(2));
        QVERIFY(!rhyme.drop(2));
        QVERIFY(rhyme.isDropped(2));
        QCOMPARE(rhyme.panelLines(), Twinkle.at(1) + u'\n');
        rhyme.restart();
        QVERIFY(rhyme.panel().isEmpty());
        QVERIFY(!rhyme.isDropped(2));
        QVERIFY(rhyme.drop(2));
    }
};

QTEST_GUILESS_MAIN(TestRhymeOrder)
#include "tst_rhymeorder.moc"

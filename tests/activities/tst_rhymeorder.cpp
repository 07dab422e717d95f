#include "RhymeQuizScenario.h"
#include "activities/RhymeOrder.h"

#include <QtTest>

namespace {
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
    // Exercises 49..58 are the ten rhymes (the first, one at 300 twips, the first that wraps
    // its verses, the last); the others have none.
    void layoutOfEachRhyme() {
        const std::tuple<int, const char*, int, bool, bool> rows[] = {{49, "10", 600, true, false},
                                                                      {52, "13", 300, true, false},
                                                                      {55, "16", 400, false, true},
                                                                      {58, "19", 400, true, false}};
        for (const auto& [exercise, prefix, interligne, autoSize, wordWrap] : rows) {
            const auto layout = RhymeOrder::layout(exercise);
            QVERIFY(layout);
            QCOMPARE(
                std::tuple(layout->prefix, layout->interligne, layout->autoSize, layout->wordWrap),
                std::tuple(QString::fromLatin1(prefix), interligne, autoSize, wordWrap));
        }
        for (int exercise : {0, 48, 59, 60})
            QVERIFY2(!RhymeOrder::layout(exercise), qPrintable(QString::number(exercise)));
    }

    // Four verses at 600 twips: the rhyme's text and the places of its labels. The panel's lines
    // once a verse is dropped, and emptying it again, are judged by the rhyme window test.
    void versesGiveTheRhymeTextAndTheirPlaces() {
        RhymeOrder rhyme;
        rhyme.setVerses(Twinkle, 600);
        QCOMPARE(rhyme.nbVers(), 4);
        QCOMPARE(rhyme.texteComptine(), Twinkle.join(u'\r') + u'\r');
        QCOMPARE(topsOf(rhyme), (QList<int>{700, 1300, 1900, 2500}));
    }

    // Each k swaps with j = int(n * rnd + 1); a second shuffle starts from the order the first
    // one left.
    void shuffleSwapsOnlyTheTops() {
        using L = QList<int>;
        const std::tuple<QList<double>, L, L> rows[] = {
            {{0.9, 0.0, 0.5}, {1100, 700, 1500}, {700, 1100, 1500}},
            {{0.5}, {1100, 1500, 700}, {1500, 700, 1100}},             // always the middle
            {{0.0, 0.34, 0.67}, {700, 1100, 1500}, {700, 1100, 1500}}, // each to itself
            {{1.0}, {1500, 700, 1100}, {1100, 1500, 700}}};            // a generator reaching 1
        for (const auto& [numbers, tops, again] : rows) {
            RhymeOrder rhyme;
            rhyme.setVerses(Twinkle.mid(0, 3), 400);
            ScriptedRandom random(numbers);
            rhyme.shuffle(random);
            QCOMPARE(random.seeds, 1);
            QCOMPARE(topsOf(rhyme), tops);
            QCOMPARE(rhyme.verse(1), Twinkle.at(0)); // the verses stay with their labels
            random.next = 0;
            rhyme.shuffle(random);
            QCOMPARE(topsOf(rhyme), again);
        }
    }

    // The verses dropped, in that order, and the panel they make; a verse dropped twice or out
    // of range is refused, and letter case counts.
    void judgingThePanel() {
        const QStringList swapped{Twinkle[0], Twinkle[2], Twinkle[1], Twinkle[3]};
        const std::tuple<QList<int>, QStringList, bool, QStringList> rows[] = {
            {{1, 2, 3, 4}, Twinkle, true, Twinkle},
            {{1, 2}, Twinkle, false, Twinkle.mid(0, 2)},
            {{1, 3, 2, 4}, Twinkle, false, swapped},
            {{1, 1, 2, 3, 4}, Twinkle, true, Twinkle},
            {{0, 1, 2, 3, 4, 5}, Twinkle, true, Twinkle},
            {{2, 1}, {"Row", "row"}, false, {"row", "Row"}},
            {{}, Twinkle, false, {}}};
        for (const auto& [drops, verses, right, panel] : rows) {
            RhymeOrder rhyme;
            rhyme.setVerses(verses, 400);
            for (int k : drops)
                rhyme.drop(k);
            QCOMPARE(rhyme.isRight(), right);
            QCOMPARE(rhyme.panel(), panel.isEmpty() ? QString() : panel.join(u'\r') + u'\r');
        }
    }
};

QTEST_GUILESS_MAIN(TestRhymeOrder)
#include "tst_rhymeorder.moc"

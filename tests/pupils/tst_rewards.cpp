#include "data/Schema.h"
#include "pupils/Rewards.h"

#include <QtTest>

using namespace Rewards;

class TestRewards : public QObject {
    Q_OBJECT

private slots:
    // Halves go to the even score; text is read as a number, anything else is zero.
    void scoresRoundHalvesToEvenWithin16Bits() {
        const std::pair<QVariant, int> rows[] = {
            {7, 7},     {0.5, 0},     {1.5, 2},      {2.5, 2}, {7.5, 8},
            {5.4, 5},   {5.6, 6},     {-2.5, -2},    {"9", 9}, {QVariant(), 0},
            {"abc", 0}, {1e9, 32767}, {-1e9, -32768}};
        for (const auto& [value, score] : rows)
            QVERIFY2(toScore(value) == score, qPrintable(value.toString()));
    }

    void totalAddsRoundedColumnsAndStopsAt16BitLimits() {
        QCOMPARE(int(total({2.5, 2.5, 3.5, 1})), 2 + 2 + 4 + 1);
        QCOMPARE(int(total({30000, 30000, -5})), 32762);
        QCOMPARE(int(total({-30000, -30000, 5})), -32763);
        QCOMPARE(int(total({})), 0);
    }

    // A total spells its awards digit by digit: hundreds as trophies (four places at most, so
    // 512 fills them), tens as cups, units as medals; exactly 500 is the diploma and a negative
    // total shows nothing.
    void awardsSpellTheTotalDigitByDigit() {
        const std::tuple<int, int, int, int, bool> rows[] = {
            {0, 0, 0, 0, false},    {7, 0, 0, 7, false},   {10, 0, 1, 0, false},
            {47, 0, 4, 7, false},   {100, 1, 0, 0, false}, {305, 3, 0, 5, false},
            {499, 4, 9, 9, false},  {500, 4, 0, 0, true},  {512, 4, 1, 2, false},
            {1234, 4, 3, 4, false}, {-13, 0, 0, 0, false}};
        for (const auto& [total, trophies, cups, medals, diploma] : rows) {
            const Awards a = awards(total);
            const QByteArray row = QByteArray::number(total);
            QVERIFY2(a.trophies == trophies && a.cups == cups && a.medals == medals,
                     row.constData());
            QVERIFY2(isDiploma(total) == diploma, row.constData());
        }
    }

    // Each bar's colour by its stored value (red below 6, orange below 8, green above, a rhyme
    // always green) and its width, 13.5 twips a point up to ten and none below zero or for a
    // missing value. Before the first reading the bars are pale, the rhymes green.
    void barsAreColouredByTheStoredValue() {
        const std::tuple<int, QVariant, unsigned, double> rows[] = {
            {0, QVariant(), Red, 0.0}, {3, 5, Red, 67.5},      {17, 5.5, Red, 74.25},
            {20, 6, Orange, 81.0},     {30, 7, Orange, 94.5},  {40, 7.5, Orange, 101.25},
            {47, 8, Green, 108.0},     {48, 10, Green, 135.0}, {49, 1, Green, 13.5},
            {58, 0, Green, 0.0},       {5, 25, Green, 135.0},  {6, -3, Red, 0.0}};
        for (const auto& [index, stored, colour, width] : rows) {
            const double value = barValue(stored);
            const QByteArray row = QByteArray::number(index) + ": " + stored.toByteArray();
            QVERIFY2(barColour(index, value) == colour, row.constData());
            QVERIFY2(barWidthTwips(value) == width, row.constData());
            QCOMPARE(initialBarColour(index), index >= 49 ? Green : PaleYellow);
        }
    }

    // The first and last bar of each block of the chart.
    void barsStartWhereTheChartExpectsThem() {
        QCOMPARE(Schema::scoreFields().size(), ScoreCount);
        const std::tuple<int, int, int> rows[] = {
            {0, 2160, 1110},  {11, 2160, 3510}, {12, 6420, 1140}, {17, 6420, 2235},
            {18, 1200, 4500}, {27, 1200, 6480}, {28, 6975, 4515}, {37, 6975, 6510},
            {38, 4140, 4500}, {47, 4140, 6480}, {48, 6420, 2895}, {49, 6435, 3510},
            {58, 8235, 3510}};
        for (const auto& [index, left, top] : rows)
            QVERIFY2(barPlace(index).left == left && barPlace(index).top == top,
                     qPrintable(Schema::scoreFields().at(index)));
    }
};

QTEST_GUILESS_MAIN(TestRewards)
#include "tst_rewards.moc"

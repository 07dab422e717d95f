#include "data/DataControl.h"
#include "data/LearningDbFixture.h"
#include "data/Schema.h"
#include "platform/Printer.h"
#include "pupils/Rewards.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace Rewards;

class TestRewards : public QObject {
    Q_OBJECT

private slots:
    void scoresRoundHalvesToEvenWithin16Bits_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("score");
        QTest::newRow("whole") << QVariant(7) << 7;
        QTest::newRow("0.5 to 0") << QVariant(0.5) << 0;
        QTest::newRow("1.5 to 2") << QVariant(1.5) << 2;
        QTest::newRow("2.5 to 2") << QVariant(2.5) << 2;
        QTest::newRow("7.5 to 8") << QVariant(7.5) << 8;
        QTest::newRow("5.4 to 5") << QVariant(5.4) << 5;
        QTest::newRow("5.6 to 6") << QVariant(5.6) << 6;
        QTest::newRow("-2.5 to -2") << QVariant(-2.5) << -2;
        QTest::newRow("text number") << QVariant(QStringLiteral("9")) << 9;
        QTest::newRow("null") << QVariant() << 0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("too large") << QVariant(1e9) << 32767;
        QTest::newRow("too small") << QVariant(-1e9) << -32768;
    }
    void scoresRoundHalvesToEvenWithin16Bits() {
        QFETCH(QVariant, value);
        QFETCH(int, score);
        QCOMPARE(int(toScore(value)), score);
    }

    void totalAddsRoundedColumnsAndStopsAt16BitLimits() {
        QVariantList full(ScoreCount, 0);
        std::fill_n(full.begin(), 50, 10); // the full score: ten in the first 50 columns
        QCOMPARE(int(total(QVariantList(ScoreCount, 0))), 0);
        QCOMPARE(int(total(full)), 500);
        QCOMPARE(int(total({2.5, 2.5, 3.5, 1})), 2 + 2 + 4 + 1);
        QCOMPARE(int(total({30000, 30000, -5})), 32762);
        QCOMPARE(int(total({-30000, -30000, 5})), -32763);
        QCOMPARE(int(total({})), 0);
    }

    void awardsSpellTheTotalDigitByDigit_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("trophies");
        QTest::addColumn<int>("cups");
        QTest::addColumn<int>("medals");
        QTest::addColumn<bool>("diploma");
        QTest::newRow("0") << 0 << 0 << 0 << 0 << false;
        QTest::newRow("7") << 7 << 0 << 0 << 7 << false;
        QTest::newRow("10") << 10 << 0 << 1 << 0 << false;
        QTest::newRow("47") << 47 << 0 << 4 << 7 << false;
        QTest::newRow("100") << 100 << 1 << 0 << 0 << false;
        QTest::newRow("305") << 305 << 3 << 0 << 5 << false;
        QTest::newRow("499") << 499 << 4 << 9 << 9 << false;
        QTest::newRow("500") << 500 << 4 << 0 << 0 << true;
        QTest::newRow("512 fills the four trophy places") << 512 << 4 << 1 << 2 << false;
        QTest::newRow("1234") << 1234 << 4 << 3 << 4 << false;
        QTest::newRow("negative shows nothing") << -13 << 0 << 0 << 0 << false;
    }
    void awardsSpellTheTotalDigitByDigit() {
        QFETCH(int, total);
        QFETCH(int, trophies);
        QFETCH(int, cups);
        QFETCH(int, medals);
        QFETCH(bool, diploma);
        const Awards a = awards(total);
        QCOMPARE(a.trophies, trophies);
        QCOMPARE(a.cups, cups);
        QCOMPARE(a.medals, medals);
        QVERIFY(a.trophies <= TrophyPlaces && a.cups <= CupPlaces && a.medals <= MedalPlaces);
        QCOMPARE(isDiploma(total), diploma);
        QCOMPARE(scoreCaption(total), QStringLiteral(" SCORE : ") + QString::number(total));
    }

    void barsAreColouredByTheStoredValue_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("value");
        QTest::addColumn<unsigned>("colour");
        QTest::addColumn<double>("width");
        QTest::newRow("0 red, no width") << 0 << 0.0 << Red << 0.0;
        QTest::newRow("5 red") << 3 << 5.0 << Red << 67.5;
        QTest::newRow("5.5 red") << 17 << 5.5 << Red << 74.25;
        QTest::newRow("6 orange") << 20 << 6.0 << Orange << 81.0;
        QTest::newRow("7 orange") << 30 << 7.0 << Orange << 94.5;
        QTest::newRow("7.5 orange") << 40 << 7.5 << Orange << 101.25;
        QTest::newRow("8 green") << 47 << 8.0 << Green << 108.0;
        QTest::newRow("10 green, 135 twips") << 48 << 10.0 << Green << 135.0;
        QTest::newRow("rhyme done green") << 49 << 1.0 << Green << 13.5;
        QTest::newRow("rhyme not done still green") << 58 << 0.0 << Green << 0.0;
        QTest::newRow("over 10 stays in its slot") << 5 << 25.0 << Green << 135.0;
        QTest::newRow("negative has no width") << 6 << -3.0 << Red << 0.0;
    }
    void barsAreColouredByTheStoredValue() {
        QFETCH(int, index);
        QFETCH(double, value);
        QFETCH(unsigned, colour);
        QFETCH(double, width);
        QCOMPARE(barColour(index, value), colour);
        QCOMPARE(barWidthTwips(value), width);
    }

    void barsStartWhereTheChartExpectsThem_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("Activite") << 0 << 2160 << 1110;
        QTest::newRow("Corps") << 11 << 2160 << 3510;
        QTest::newRow("Capitale") << 12 << 6420 << 1140;
        QTest::newRow("Opposit2") << 17 << 6420 << 2235;
        QTest::newRow("Son1") << 18 << 1200 << 4500;
        QTest::newRow("Son10") << 27 << 1200 << 6480;
        QTest::newRow("Texte1") << 28 << 6975 << 4515;
        QTest::newRow("Texte10") << 37 << 6975 << 6510;
        QTest::newRow("Dictee1") << 38 << 4140 << 4500;
        QTest::newRow("Dictee10") << 47 << 4140 << 6480;
        QTest::newRow("Quizz") << 48 << 6420 << 2895;
        QTest::newRow("Comptine1") << 49 << 6435 << 3510;
        QTest::newRow("Comptine10") << 58 << 8235 << 3510;
    }
    void barsStartWhereTheChartExpectsThem() {
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(barPlace(index).left, left);
        QCOMPARE(barPlace(index).top, top);
        QCOMPARE(Schema::scoreFields().size(), ScoreCount);
    }

    void barsBeforeTheFirstReadingArePaleExceptTheRhymes() {
        QCOMPARE(initialBarColour(0), PaleYellow);
        QCOMPARE(initialBarColour(48), PaleYellow);
        QCOMPARE(initialBarColour(49), Green);
        QCOMPARE(barValue(QVariant(5.5)), 5.5);
        QCOMPARE(barValue(QVariant()), 0.0);
    }

    void pupilRowIsFoundIgnoringCaseAndReadInBarOrder() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DbBrin.mdb"));
        QVERIFY(LearningDbFixture::create(path));
        DataControl data;
        data.setDatabaseName(path);
        data.setRecordSource(Schema::Table::Gestion);
        QVERIFY(data.refresh());
        RecordSet& rs = data.recordSet();
        QVERIFY(LearningDbFixture::addRow(rs, {{Schema::Field::Nom, QStringLiteral("Élodie")},
                                               {Schema::Field::Groupe, QStringLiteral("CM1")},
                                               {QStringLiteral("Activite"), 4},
                                               {QStringLiteral("Quizz"), 7.5},
                                               {QStringLiteral("Comptine10"), 1}}));

        const PupilScores found = readPupilScores(rs, QStringLiteral("ÉLODIE"));
        QVERIFY(found.found);
        QCOMPARE(found.nom, QStringLiteral("Élodie"));
        QCOMPARE(found.groupe, QStringLiteral("CM1"));
        QCOMPARE(found.values.size(), ScoreCount);
        QCOMPARE(found.values[0].toInt(), 4);
        QCOMPARE(found.values[48].toDouble(), 7.5);
        QCOMPARE(found.values[58].toInt(), 1);
        QCOMPARE(int(total(found.values)), 4 + 8 + 1);

        const PupilScores missing = readPupilScores(rs, QStringLiteral("Personne"));
        QVERIFY(!missing.found);
        QCOMPARE(missing.nom, QStringLiteral("Personne"));
        QVERIFY(missing.groupe.isEmpty());
        QCOMPARE(missing.values.size(), ScoreCount);
        QCOMPARE(int(total(missing.values)), 0);
    }

    void printNoticeSaysWhereAPageWentOrWhyItFailed() {
        QVERIFY(printNotice({PrintOutcome::Status::Printed, {}, {}}).isEmpty());
        const QString saved = printNotice({PrintOutcome::Status::SavedAsFile,
                                           QStringLiteral("/home/léa/Documents/Bilan.pdf"),
                                           {}});
        QVERIFY(saved.startsWith(QStringLiteral("Aucune imprimante n'est installée.")));
        QVERIFY(saved.endsWith(QStringLiteral("/home/léa/Documents/Bilan.pdf")));
        const QString failed =
            printNotice({PrintOutcome::Status::Failed, {}, QStringLiteral("Papier coincé.")});
        QVERIFY(failed.startsWith(QStringLiteral("L'impression n'a pas pu se faire.")));
        QVERIFY(failed.endsWith(QStringLiteral("Papier coincé.")));
        QVERIFY(!PrintOutcome{}.succeeded());
    }
};

QTEST_GUILESS_MAIN(TestRewards)
#include "tst_rewards.moc"

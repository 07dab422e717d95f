#include "activities/Exercices.h"
#include "activities/ListeningSeries.h"
#include "data/LearningDbFixture.h"
#include "shell/General.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Lea = QStringLiteral("Léa");
}

class TestListeningSeries : public QObject {
    Q_OBJECT

    Général g;
    ListeningSeries serie{g};

    // A database with Léa and the guest, and a data control on Imagier holding one label.
    struct Base {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("DbBrin.mdb"));
        DataControl data;
        Base() {
            LearningDbFixture::create(path);
            data.setDatabaseName(path);
            data.setRecordSource(Schema::Table::Gestion);
            data.refresh();
            LearningDbFixture::addPupil(data.recordSet(), QStringLiteral("Invité"));
            LearningDbFixture::addPupil(data.recordSet(), Lea);
            data.setRecordSource(Schema::Table::Imagier);
            data.refresh();
            LearningDbFixture::addRow(data.recordSet(),
                                      {{Schema::Field::Intituler, QStringLiteral("Sport\\k0")},
                                       {Schema::Field::Langue, QStringLiteral("a ball")}});
            data.refresh();
        }
        QVariant score(const QString& name, const QString& column) {
            DataControl other;
            other.setDatabaseName(path);
            other.setRecordSource(Schema::Table::Gestion);
            other.refresh();
            other.recordSet().findFirst(Criterion::equals(Schema::Field::Nom, name));
            return other.recordSet().field(column);
        }
    };

    // Asks word `mot` and clicks hotspot `clic`, counting as the window does.
    void clic(int numExercice, int mot, int clic) {
        g.DernierMot = mot;
        if (serie.judgeClick(numExercice, clic) == ListeningSeries::Verdict::Right)
            serie.countRight();
    }

    // Answers word `mot` with "Vrai" or "Faux", counting as the window does.
    void reponse(int numExercice, int mot, bool vrai) {
        g.DernierMot = mot;
        const auto verdict = serie.judgeAnswer(numExercice, vrai);
        if (verdict == ListeningSeries::Verdict::Right ||
            (verdict == ListeningSeries::Verdict::Wrong && serie.countButtonError()))
            serie.countRight();
    }

private slots:
    void init() { g.reset(); }

    void chooserTableKeepsTheCrossedNumbersAndTheOppositions() {
        QCOMPARE(Exercices::choisir(0, 12)->numero, 11);
        QCOMPARE(Exercices::choisir(0, 12)->titre, QStringLiteral("L'heure"));
        QCOMPARE(Exercices::choisir(0, 11)->colonne, QStringLiteral("Corps"));
        QCOMPARE(Exercices::choisir(0, 11)->numero, 12);
        QCOMPARE(Exercices::choisir(1, 0)->numero, 14);
        QCOMPARE(Exercices::choisir(1, 1)->colonne, QStringLiteral("Capitale"));
        QCOMPARE(Exercices::choisir(1, 1)->numero, 13);
        QVERIFY(!Exercices::choisir(0, 10));
        QVERIFY(!Exercices::choisir(1, 6));
        QVERIFY(!Exercices::choisir(6, 0));
        QVERIFY(Exercices::choisir(1, 4)->devientTheme);
        QCOMPARE(Exercices::choisir(1, 5)->colonne, QStringLiteral("Opposit2"));
        QVERIFY(!Exercices::choisir(1, 3)->devientTheme);
        QCOMPARE(Exercices::choisir(2, 0)->titre, QStringLiteral("Repère 1"));
        QCOMPARE(Exercices::choisir(2, 9)->colonne, QStringLiteral("Son10"));
        QCOMPARE(Exercices::choisir(3, 4)->numero, 33);
        QCOMPARE(Exercices::choisir(4, 9)->colonne, QStringLiteral("Dictee10"));
        QCOMPARE(Exercices::choisir(5, 0)->numero, 49);
        QVERIFY(!Exercices::choisir(5, 10));
        QCOMPARE(Exercices::tableDeFamille(1), QStringLiteral("Imagier"));
        QCOMPARE(Exercices::tableDeFamille(4), QStringLiteral("Compte"));
        QVERIFY(Exercices::tableDeFamille(2).isEmpty());
    }

    void wordKeysFollowTheHotspotsAndTheButtons() {
        QCOMPARE(ListeningSeries::themeWordKey(7), QStringLiteral("k7"));
        QVERIFY(ListeningSeries::themeWordKey(11).isEmpty());
        QCOMPARE(ListeningSeries::listWordKey(17), QStringLiteral("k17"));
        QVERIFY(ListeningSeries::listWordKey(10).isEmpty());
        QCOMPARE(ListeningSeries::questionWordKey(0, 3), QStringLiteral("k3"));
        QCOMPARE(ListeningSeries::questionWordKey(1, 0), QStringLiteral("k01"));
        QCOMPARE(ListeningSeries::questionWordKey(1, 9), QStringLiteral("k10"));
        QCOMPARE(ListeningSeries::wordSound(QStringLiteral("Son3"), QStringLiteral("k4")),
                 QStringLiteral("\\MciLangue\\Son3k4.wav"));
        QCOMPARE(ListeningSeries::questionHotspotFile(18),
                 QStringLiteral("\\Hotspot\\Opposh2.hsp"));
        QVERIFY(ListeningSeries::questionHotspotFile(16).isEmpty());
    }

    void schoolObjectsTwoAndSixStandForEachOtherOnlyInTheSchool() {
        QVERIFY(ListeningSeries::sameObject(10, 6, 2));
        QVERIFY(ListeningSeries::sameObject(10, 2, 6));
        QVERIFY(!ListeningSeries::sameObject(10, 3, 2));
        QVERIFY(!ListeningSeries::sameObject(9, 6, 2));
        QVERIFY(ListeningSeries::sameObject(9, 4, 4));
    }

    void wordEightIsTrueOnlyInEuropeAndTheCalendar() {
        for (int ex : {13, 14, 15, 16, 19})
            for (int mot = 0; mot <= 9; ++mot) {
                const bool vrai = mot <= 4 || (mot == 8 && (ex == 13 || ex == 14));
                QCOMPARE(ListeningSeries::answeredWithVrai(ex, mot), vrai);
            }
    }

    void musicObjectsChooseTheTeachersReaction() {
        QCOMPARE(ListeningSeries::musicReaction(8), 2);
        QCOMPARE(ListeningSeries::musicReaction(5), 1);
        QVERIFY(!ListeningSeries::musicReaction(10));
    }

    void tenRightClicksScoreTen() {
        for (int mot = 0; mot <= 9; ++mot)
            clic(2, mot, mot);
        QVERIFY(serie.seriesComplete());
        QCOMPARE(serie.score(), 10);
    }

    void twelveWrongClicksThenTheTenWordsScoreZero() {
        for (int i = 0; i < 12; ++i)
            clic(2, 0, 1);
        QCOMPARE(g.Erreurs, 12);
        QCOMPARE(g.Reussites, 0);
        for (int mot = 0; mot <= 9; ++mot)
            clic(2, mot, mot);
        QCOMPARE(serie.score(), 0);
    }

    void threeWrongAndSevenRightAnswersScoreSeven() {
        for (int mot = 0; mot <= 9; ++mot)
            reponse(15, mot, mot <= 2 ? mot > 4 : mot <= 4);
        QCOMPARE(g.Reussites, 10);
        QCOMPARE(g.Erreurs, 3);
        QCOMPARE(serie.score(), 7);
    }

    void aWrongTenthAnswerClosesTheSeries() {
        for (int mot = 0; mot <= 8; ++mot)
            reponse(16, mot, mot <= 4);
        QCOMPARE(g.Reussites, 9);
        g.DernierMot = 9;
        QCOMPARE(serie.judgeAnswer(16, true), ListeningSeries::Verdict::Wrong);
        QVERIFY(serie.countButtonError()); // the caller closes the series with countRight
        serie.countRight();
        QCOMPARE(serie.score(), 9);
    }

    void noWordAskedCountsNeitherWay() {
        for (int dernier : {ListeningSeries::Muet, 11, 13, 14}) {
            g.DernierMot = dernier;
            QCOMPARE(serie.judgeAnswer(13, true), ListeningSeries::Verdict::NotCounted);
            QCOMPARE(serie.judgeClick(2, 3), ListeningSeries::Verdict::NotCounted);
        }
        QCOMPARE(g.Reussites + g.Erreurs, 0);
    }

    void scoreIsWrittenOnlyIntoAKnownPupilsColumn_data() {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("emptyTable");
        QTest::addColumn<int>("score");
        QTest::addColumn<ListeningSeries::ScoreWrite>("result");
        using W = ListeningSeries::ScoreWrite;
        QTest::newRow("pupil") << Lea << "Sport" << false << 7 << W::Written;
        QTest::newRow("guest") << "Invité"
                               << "Sport" << false << 10 << W::Guest;
        QTest::newRow("unknown pupil") << "Zoé"
                                       << "Sport" << false << 10 << W::NoPupil;
        QTest::newRow("empty table") << Lea << "Sport" << true << 10 << W::NoRows;
        QTest::newRow("failed write") << Lea << "PasUneColonne" << false << 8 << W::Failed;
    }

    void scoreIsWrittenOnlyIntoAKnownPupilsColumn() {
        QFETCH(QString, pupil);
        QFETCH(QString, column);
        QFETCH(bool, emptyTable);
        QFETCH(int, score);
        QFETCH(ListeningSeries::ScoreWrite, result);
        Base base;
        if (emptyTable) {
            base.data.setRecordSource(Schema::Table::Compte);
            base.data.refresh();
        }
        const QString source = base.data.recordSource();
        const int rows = base.data.recordSet().recordCount();
        const auto outcome = ListeningSeries::storeScore(base.data, pupil, pupil, column, score);
        QCOMPARE(outcome.result, result);
        // The table shown comes back as it was, and only a written score is found afterwards.
        QCOMPARE(base.data.recordSource(), source);
        QCOMPARE(base.data.recordSet().recordCount(), rows);
        const bool written = result == ListeningSeries::ScoreWrite::Written;
        QCOMPARE(base.score(Lea, QStringLiteral("Sport")).toInt(), written ? score : 0);
        QCOMPARE(base.score(QStringLiteral("Invité"), QStringLiteral("Sport")).toInt(), 0);
        QCOMPARE(outcome.error.isEmpty(), result != ListeningSeries::ScoreWrite::Failed);
        const QString message =
            ListeningSeries::failureMessage(Lea, QStringLiteral("Sport"), outcome.error);
        QVERIFY(message.contains(QStringLiteral("n'a pas pu être enregistré")));
        QVERIFY(message.contains(Lea));
    }
};

QTEST_GUILESS_MAIN(TestListeningSeries)
#include "tst_listeningseries.moc"

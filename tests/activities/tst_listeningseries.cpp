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
        switch (serie.judgeAnswer(numExercice, vrai)) {
        case ListeningSeries::Verdict::Right:
            serie.countRight();
            break;
        case ListeningSeries::Verdict::Wrong:
            if (serie.countButtonError())
                serie.countRight();
            break;
        case ListeningSeries::Verdict::NotCounted:
            break;
        }
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

    void scoreIsWrittenIntoThePupilsColumnAndTheTableComesBack() {
        Base base;
        const auto outcome =
            ListeningSeries::storeScore(base.data, Lea, Lea, QStringLiteral("Sport"), 7);
        QCOMPARE(outcome.result, ListeningSeries::ScoreWrite::Written);
        QCOMPARE(base.score(Lea, QStringLiteral("Sport")).toInt(), 7);
        QCOMPARE(base.data.recordSource(), QStringLiteral("Imagier"));
        QCOMPARE(base.data.recordSet().recordCount(), 1);
    }

    void nothingIsWrittenForTheGuestAnUnknownPupilOrAnEmptyTable() {
        Base base;
        const QString col = QStringLiteral("Sport");
        const QString invite = QStringLiteral("Invité");
        QCOMPARE(ListeningSeries::storeScore(base.data, invite, invite, col, 10).result,
                 ListeningSeries::ScoreWrite::Guest);
        QVERIFY(base.score(invite, col).isNull() || base.score(invite, col).toInt() == 0);
        QCOMPARE(ListeningSeries::storeScore(base.data, QStringLiteral("Zoé"),
                                             QStringLiteral("Zoé"), col, 10)
                     .result,
                 ListeningSeries::ScoreWrite::NoPupil);
        base.data.setRecordSource(Schema::Table::Compte);
        base.data.refresh();
        QCOMPARE(ListeningSeries::storeScore(base.data, Lea, Lea, col, 10).result,
                 ListeningSeries::ScoreWrite::NoRows);
        QVERIFY(base.score(Lea, col).isNull() || base.score(Lea, col).toInt() == 0);
    }

    void aFailedWriteIsReportedAndWritesNothing() {
        Base base;
        const auto outcome =
            ListeningSeries::storeScore(base.data, Lea, Lea, QStringLiteral("PasUneColonne"), 8);
        QCOMPARE(outcome.result, ListeningSeries::ScoreWrite::Failed);
        QVERIFY(!outcome.error.isEmpty());
        QCOMPARE(base.data.recordSource(), QStringLiteral("Imagier"));
        const QString message =
            ListeningSeries::failureMessage(Lea, QStringLiteral("Sport"), outcome.error);
        QVERIFY(message.contains(QStringLiteral("n'a pas pu être enregistré")));
        QVERIFY(message.contains(Lea));
    }
};

QTEST_GUILESS_MAIN(TestListeningSeries)
#include "tst_listeningseries.moc"

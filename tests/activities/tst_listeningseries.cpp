#include "activities/Exercices.h"
#include "activities/ListeningSeries.h"
#include "data/LearningDbFixture.h"
#include "shell/General.h"

#include <QTemporaryDir>
#include <QtTest>

class TestListeningSeries : public QObject {
    Q_OBJECT

    static inline const QString Lea = QStringLiteral("Léa");
    Général g;
    ListeningSeries serie{g};

    // A database with Léa and the guest, and one label in Imagier.
    struct Base {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("DbBrin.mdb"));
        std::unique_ptr<DataControl> data;
        Base() {
            LearningDbFixture::create(path);
            data = LearningDbFixture::open(path, Schema::Table::Gestion);
            LearningDbFixture::addPupil(data->recordSet(), QStringLiteral("Invité"));
            LearningDbFixture::addPupil(data->recordSet(), Lea);
            data->setRecordSource(Schema::Table::Imagier);
            data->refresh();
            LearningDbFixture::addRow(data->recordSet(),
                                      {{Schema::Field::Intituler, QStringLiteral("Sport\\k0")}});
        }
        QVariant score(const QString& name, const QString& column) {
            const auto other = LearningDbFixture::open(path, Schema::Table::Gestion);
            other->recordSet().findFirst(Criterion::equals(Schema::Field::Nom, name));
            return other->recordSet().field(column);
        }
    };

    // Asks word `mot` and clicks hotspot `clic`, counting as the window does.
    void clic(int numExercice, int mot, int clic) {
        g.DernierMot = mot;
        if (serie.judgeClick(numExercice, clic) == ListeningSeries::Verdict::Right)
            serie.countRight();
    }

private slots:
    void init() { g.reset(); }

    // Rows of the chooser, with the crossed numbers 11/12 and 13/14; the Opposition rows of the
    // second list play as theme pictures. The activity tests show the titles and the tables
    // the families read.
    void chooserTableAndTheRightAnswers() {
        // family, hotspot, exercise number, score column
        const std::tuple<int, int, int, const char*> rows[] = {
            {0, 12, 11, "Heure"},   {0, 11, 12, "Corps"},   {0, 9, 10, "Ecole"},
            {1, 0, 14, "Calend"},   {1, 1, 13, "Capitale"}, {1, 2, 15, "Couleur"},
            {1, 3, 16, "Nombre"},   {1, 4, 17, "Opposit1"}, {1, 5, 18, "Opposit2"},
            {2, 9, 28, "Son10"},    {3, 4, 33, "Texte5"},   {4, 9, 48, "Dictee10"},
            {5, 0, 49, "Comptine1"}};
        for (const auto& [famille, hotspot, numero, colonne] : rows) {
            const auto exercice = Exercices::choisir(famille, hotspot);
            QVERIFY(exercice);
            QCOMPARE(std::tuple(exercice->numero, exercice->colonne, exercice->devientTheme),
                     std::tuple(numero, QString(colonne), numero >= 17 && numero <= 18));
        }
        for (const auto& [famille, hotspot] : {std::pair{0, 10}, {1, 6}, {6, 0}, {5, 10}})
            QVERIFY(!Exercices::choisir(famille, hotspot));

        // Which answers are right: the same object (objects two and six stand for each other in the
        // school only, as the activity tests play), "Vrai" for the first five words and word
        // eight in Europe and the calendar, and the teacher's reaction to the music objects. The
        // words of the theme pictures and of the question buttons are heard in the activity tests.
        QVERIFY(ListeningSeries::themeWordKey(11).isEmpty());
        QCOMPARE(ListeningSeries::listWordKey(17), QStringLiteral("k17"));
        QVERIFY(ListeningSeries::listWordKey(10).isEmpty());
        QCOMPARE(ListeningSeries::questionHotspotFile(18),
                 QStringLiteral("\\Hotspot\\Opposh2.hsp"));
        QVERIFY(ListeningSeries::questionHotspotFile(16).isEmpty());
        QVERIFY(!ListeningSeries::sameObject(9, 6, 2));
        for (int ex : {13, 14, 15, 16, 19})
            for (int mot = 0; mot <= 9; ++mot)
                QCOMPARE(ListeningSeries::answeredWithVrai(ex, mot),
                         mot <= 4 || (mot == 8 && (ex == 13 || ex == 14)));
        QCOMPARE(ListeningSeries::musicReaction(8), 2);
        QCOMPARE(ListeningSeries::musicReaction(5), 1);
        QVERIFY(!ListeningSeries::musicReaction(10));
    }

    // Nothing counts before a word is asked; twelve wrong clicks before ten right ones score
    // zero. A wrong tenth answer button is left to the caller to close the series. Ten right
    // clicks storing ten, and three wrong answers of ten storing seven, are played by the
    // activity tests.
    void seriesScoreTheRightAnswersLessTheErrors() {
        for (int dernier : {ListeningSeries::Muet, 11, 13, 14}) { // no word asked: not counted
            g.DernierMot = dernier;
            QCOMPARE(serie.judgeAnswer(13, true), ListeningSeries::Verdict::NotCounted);
            QCOMPARE(serie.judgeClick(2, 3), ListeningSeries::Verdict::NotCounted);
        }
        QCOMPARE(g.Reussites + g.Erreurs, 0);
        for (int i = 0; i < 12; ++i)
            clic(2, 0, 1);
        QCOMPARE(g.Erreurs, 12);
        QCOMPARE(g.Reussites, 0);
        for (int mot = 0; mot <= 9; ++mot)
            clic(2, mot, mot);
        QVERIFY(serie.seriesComplete());
        QCOMPARE(serie.score(), 0);

        g.reset();
        g.Reussites = 9; // nine right answers
        g.DernierMot = 9;
        QCOMPARE(serie.judgeAnswer(16, true), ListeningSeries::Verdict::Wrong);
        QVERIFY(serie.countButtonError());
        serie.countRight();
        QCOMPARE(serie.score(), 9);
    }

    // The data control shows a table (Compte is empty); only the pupil's row takes the score.
    void scoreIsWrittenOnlyIntoAKnownPupilsColumn() {
        using W = ListeningSeries::ScoreWrite;
        const QString imagier = Schema::Table::Imagier, sport = QStringLiteral("Sport");
        const std::tuple<QString, QString, QString, W> rows[] = {
            {Lea, sport, imagier, W::Written},
            {QStringLiteral("Invité"), sport, imagier, W::Guest},
            {QStringLiteral("Zoé"), sport, imagier, W::NoPupil},
            {Lea, sport, Schema::Table::Compte, W::NoRows},
            {Lea, QStringLiteral("PasUneColonne"), imagier, W::Failed}};
        for (const auto& [pupil, column, shown, result] : rows) {
            Base base;
            base.data->setRecordSource(shown);
            base.data->refresh();
            const int count = base.data->recordSet().recordCount();
            const auto outcome = ListeningSeries::storeScore(*base.data, pupil, pupil, column, 7);
            QCOMPARE(outcome.result, result);
            // The table shown comes back as it was, and only a written score is found afterwards.
            QCOMPARE(base.data->recordSource(), shown);
            QCOMPARE(base.data->recordSet().recordCount(), count);
            const bool written = result == W::Written;
            QCOMPARE(base.score(Lea, QStringLiteral("Sport")).toInt(), written ? 7 : 0);
            QCOMPARE(base.score(QStringLiteral("Invité"), QStringLiteral("Sport")).toInt(), 0);
            QCOMPARE(outcome.error.isEmpty(), result != W::Failed);
            const QString message =
                ListeningSeries::failureMessage(Lea, QStringLiteral("Sport"), outcome.error);
            QVERIFY(message.contains(QStringLiteral("n'a pas pu être enregistré")) &&
                    message.contains(Lea));
        }
    }
};

QTEST_GUILESS_MAIN(TestListeningSeries)
#include "tst_listeningseries.moc"

#include "data/Schema.h"
#include "pupils/Bilan.h"
#include "pupils/Recompense.h"
#include "pupils/ResultsPage.h"
#include "pupils/ResultsScenario.h"
#include "pupils/Rewards.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"

#include <QLabel>
#include <QtTest>

namespace {
const QString Question = QStringLiteral("Veux-tu imprimer ton diplôme ?");
const QString ReportQuestion = QStringLiteral("Voulez-vous imprimer ces résultats ?");
constexpr int QuestionFlags = MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2;

bool samePicture(const QImage& shown, const QString& file) {
    return !shown.isNull() && shown == QImage(file);
}
} // namespace

using namespace ResultsScenario;

class TestRecompense : public QObject {
    Q_OBJECT

    static int picturesShown(Recompense* r, const QString& name, int places) {
        int shown = 0;
        for (int k = 1; k <= places; ++k) {
            auto* picture = r->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(name).arg(k));
            if (!picture)
                return -1;
            if (!picture->pixmap().isNull()) {
                if (shown != k - 1)
                    return -2; // the places fill from the first one
                ++shown;
            }
        }
        return shown;
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(programDir() + QStringLiteral("/DbBrin.mdb"))); }

    void totalShowsItsTrophiesCupsAndMedals_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("trophies");
        QTest::addColumn<int>("cups");
        QTest::addColumn<int>("medals");
        QTest::newRow("0") << 0 << 0 << 0 << 0;
        QTest::newRow("7") << 7 << 0 << 0 << 7;
        QTest::newRow("10") << 10 << 0 << 1 << 0;
        QTest::newRow("47") << 47 << 0 << 4 << 7;
        QTest::newRow("305") << 305 << 3 << 0 << 5;
        QTest::newRow("499") << 499 << 4 << 9 << 9;
    }
    void totalShowsItsTrophiesCupsAndMedals() {
        QFETCH(int, total);
        QFETCH(int, trophies);
        QFETCH(int, cups);
        QFETCH(int, medals);
        ScoresPartie p(scoresAddingUpTo(total));
        QVERIFY(p.ok);
        Recompense* r = p.score();
        QVERIFY(r);
        QVERIFY(r->isVisible());
        QCOMPARE(r->total(), total);
        QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(),
                 QStringLiteral(" SCORE : ") + QString::number(total));
        QCOMPARE(p.control<FXLabel>(r, "Label1(0)")->caption(), Lea);
        QVERIFY(p.control(r, "Label1(0)")->isVisible());
        QVERIFY(p.control(r, "Label1(1)")->isVisible());
        QVERIFY(!p.control(r, "Label2")->isVisible());
        QCOMPARE(picturesShown(r, "trophee", 4), trophies);
        QCOMPARE(picturesShown(r, "Coupe", 9), cups);
        QCOMPARE(picturesShown(r, "Medaille", 9), medals);
        QVERIFY(samePicture(r->page()->picture(), p.media("recompen.jpg")));
        if (medals > 0)
            QVERIFY(p.control<QLabel>(r, "Medaille(1)")->pixmap().toImage() ==
                    QImage(p.media("medaille.jpg")).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(p.control<FXShape>(r, "Bouton(0)")->caption(), QStringLiteral("Détail"));
        QVERIFY(p.control(r, "Bouton(0)")->isVisible() && p.control(r, "Bouton(1)")->isVisible());
    }

    void fullScoreShowsTheDiplomaWithTheNameAndNoUpperLabels() {
        ScoresPartie p(scoresAddingUpTo(500));
        Recompense* r = p.score();
        QVERIFY(r);
        QCOMPARE(r->total(), 500);
        QVERIFY(samePicture(r->page()->picture(), p.media("diplome.jpg")));
        QVERIFY(!p.control(r, "Label1(0)")->isVisible());
        QVERIFY(!p.control(r, "Label1(1)")->isVisible());
        QVERIFY(p.control(r, "Label2")->isVisible());
        QCOMPARE(p.control<FXLabel>(r, "Label2")->caption(), Lea);
        QCOMPARE(p.control<FXShape>(r, "Bouton(0)")->caption(), QStringLiteral("Imprimer"));
        QCOMPARE(picturesShown(r, "trophee", 4) + picturesShown(r, "Coupe", 9) +
                     picturesShown(r, "Medaille", 9),
                 0);
    }

    void totalAboveTheFullScoreFillsTheFourTrophyPlacesWithoutDiploma() {
        QVariantMap scores = scoresAddingUpTo(490);
        scores[QStringLiteral("Comptine10")] = 22; // written outside the program
        ScoresPartie p(scores);
        Recompense* r = p.score();
        QVERIFY(r);
        QCOMPARE(r->total(), 512);
        QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(), QStringLiteral(" SCORE : 512"));
        QCOMPARE(picturesShown(r, "trophee", 4), 4);
        QCOMPARE(picturesShown(r, "Coupe", 9), 1);
        QCOMPARE(picturesShown(r, "Medaille", 9), 2);
        QVERIFY(samePicture(r->page()->picture(), p.media("recompen.jpg")));
    }

    void missingPupilRowShowsTheNameAndNothingEarned() {
        ScoresPartie p(scoresAddingUpTo(47), QStringLiteral("Fantôme"));
        Recompense* r = p.score();
        QVERIFY(r);
        QCOMPARE(r->total(), 0);
        QCOMPARE(p.control<FXLabel>(r, "Label1(0)")->caption(), QStringLiteral("Fantôme"));
        QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(), QStringLiteral(" SCORE : 0"));
        QCOMPARE(picturesShown(r, "Medaille", 9), 0);
        Bilan* b = p.detail();
        QVERIFY(b);
        QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), QStringLiteral("Fantôme"));
        QVERIFY(p.control<FXLabel>(b, "Label2")->caption().isEmpty());
        for (int i = 0; i < Bilan::BarCount; ++i)
            QCOMPARE(b->bar(i)->width(), 0);
    }

    void noToTheDiplomaQuestionLeavesTheWindowAsItWas() {
        ScoresPartie p(scoresAddingUpTo(500));
        Recompense* r = p.score();
        p.s.messageBox->answers = {MsgBox::No};
        p.click(r, "Bouton(0)");
        QCOMPARE(p.s.messageBox->shown.size(), 1);
        QCOMPARE(p.s.messageBox->shown[0].text, Question);
        QCOMPARE(p.s.messageBox->shown[0].flags, QuestionFlags);
        QCOMPARE(p.s.messageBox->shown[0].title, QStringLiteral("Bilan"));
        QVERIFY(p.s.printer->pages.isEmpty());
        QCOMPARE(p.s.form<Recompense>("Recompense"), r);
        QVERIFY(p.control(r, "Bouton(0)")->isVisible() && p.control(r, "Bouton(1)")->isVisible());
        QVERIFY(p.control(r, "Label2")->isVisible());
        QVERIFY(!p.s.form<Bilan>("Bilan"));
    }

    void diplomaIsPrintedWithoutItsButtonsThenTheReportOpens() {
        ScoresPartie p(scoresAddingUpTo(500));
        Recompense* r = p.score();
        const QRect button = p.control(r, "Bouton(0)")->geometry();
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(r, "Bouton(0)");
        QCOMPARE(p.s.printer->pages.size(), 1);
        const FakePrinter::Page& page = p.s.printer->pages[0];
        QCOMPARE(page.documentName, QStringLiteral("Diplôme"));
        QCOMPARE(page.image.size(), PageFace::Size);
        // Where the button was, the diploma's own picture shows.
        const QImage diploma = QImage(p.media("diplome.jpg")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(distance(page.image.pixel(button.center()), diploma.pixel(button.center())) < 8);
        QCOMPARE(p.s.messageBox->shown.size(), 1); // printed: nothing more to say
        QVERIFY(p.s.form<Bilan>("Bilan"));
        QVERIFY(p.s.isShown("Bilan"));
        QVERIFY(!p.s.form<Recompense>("Recompense"));
    }

    void printingFailureIsReportedAndTheWindowStays() {
        ScoresPartie p(scoresAddingUpTo(500));
        Recompense* r = p.score();
        p.s.printer->outcome = {PrintOutcome::Status::Failed, {}, QStringLiteral("Hors ligne.")};
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(r, "Bouton(0)");
        QCOMPARE(p.s.messageBox->shown.size(), 2);
        QVERIFY(p.s.messageBox->shown[1].text.endsWith(QStringLiteral("Hors ligne.")));
        QCOMPARE(MsgBox::icon(p.s.messageBox->shown[1].flags), MsgBox::Critical);
        QCOMPARE(p.s.form<Recompense>("Recompense"), r);
        QVERIFY(p.control(r, "Bouton(0)")->isVisible() && p.control(r, "Bouton(1)")->isVisible());
        QVERIFY(!p.s.form<Bilan>("Bilan"));
    }

    void retourGoesBackToTheMainWindow() {
        ScoresPartie p(scoresAddingUpTo(47));
        Recompense* r = p.score();
        p.click(r, "Bouton(1)");
        QVERIFY(!p.s.form<Recompense>("Recompense"));
        QVERIFY(!p.s.form<Bilan>("Bilan"));
        QVERIFY(p.main->isVisible());
    }

    void reportDrawsEachBarAtItsPlaceWithItsColour_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<unsigned>("colour");
        QTest::newRow("0 red and empty") << "Activite" << QVariant(0) << 0 << Rewards::Red;
        QTest::newRow("5.5 red") << "Sport" << QVariant(5.5) << 5 << Rewards::Red;
        QTest::newRow("6 orange") << "Capitale" << QVariant(6) << 5 << Rewards::Orange;
        QTest::newRow("7.5 orange") << "Son3" << QVariant(7.5) << 7 << Rewards::Orange;
        QTest::newRow("8 green") << "Texte10" << QVariant(8) << 7 << Rewards::Green;
        QTest::newRow("10 green") << "Dictee5" << QVariant(10) << 9 << Rewards::Green;
        QTest::newRow("quiz 3 red") << "Quizz" << QVariant(3) << 3 << Rewards::Red;
        QTest::newRow("rhyme done green") << "Comptine1" << QVariant(1) << 1 << Rewards::Green;
        QTest::newRow("rhyme not done green") << "Comptine10" << QVariant(0) << 0 << Rewards::Green;
    }
    void reportDrawsEachBarAtItsPlaceWithItsColour() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, width);
        QFETCH(unsigned, colour);
        QVariantMap scores = scoresAddingUpTo(0);
        scores[field] = value;
        ScoresPartie p(scores);
        Bilan* b = p.detail();
        QVERIFY(b);
        QVERIFY(!p.s.form<Recompense>("Recompense"));
        QVERIFY(samePicture(b->page()->picture(), p.media("Bilan.Jpg")));
        QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), Lea);
        QCOMPARE(p.control<FXLabel>(b, "Label2")->caption(), QStringLiteral("CE2"));
        const int index = int(Schema::scoreFields().indexOf(field));
        ChartBar* bar = b->bar(index);
        QCOMPARE(bar->objectName(), QStringLiteral("Shape1(%1)").arg(index));
        const Rewards::BarPlace place = Rewards::barPlace(index);
        QCOMPARE(bar->pos(), QPoint(place.left / 15, place.top / 15));
        QCOMPARE(bar->parentWidget(), b->page());
        QCOMPARE(bar->width(), width);
        QCOMPARE(bar->fillColor(), colour);
        QVERIFY(bar->isVisible());
        if (width > 1) {
            // The bar is on the page as drawn, where the chart's slot is.
            const QImage face = b->page()->grab().toImage();
            QCOMPARE(face.pixel(bar->geometry().center()) & 0xFFFFFF, fromBgr(colour) & 0xFFFFFF);
        }
    }

    void noToTheReportQuestionLeavesTheReportAsItWas() {
        QVariantMap scores = scoresAddingUpTo(0);
        scores[QStringLiteral("Metier")] = 9;
        ScoresPartie p(scores);
        Bilan* b = p.detail();
        p.s.messageBox->answers = {MsgBox::No};
        p.click(b, "Boulan(0)");
        QCOMPARE(p.s.messageBox->shown.last().text, ReportQuestion);
        QCOMPARE(p.s.messageBox->shown.last().flags, QuestionFlags);
        QCOMPARE(p.s.messageBox->shown.last().title, QStringLiteral("Bilan"));
        QVERIFY(p.s.printer->pages.isEmpty());
        QCOMPARE(p.s.form<Bilan>("Bilan"), b);
        QVERIFY(p.control(b, "Boulan(0)")->isVisible() && p.control(b, "Boulan(1)")->isVisible());
        QCOMPARE(b->bar(3)->width(), 8);
        QVERIFY(!p.s.form<Recompense>("Recompense"));
    }

    void reportIsPrintedWithoutItsButtonsThenTheRewardsReopen() {
        QVariantMap scores = scoresAddingUpTo(0);
        scores[QStringLiteral("Metier")] = 9;
        ScoresPartie p(scores);
        Bilan* b = p.detail();
        const QImage before = b->page()->grab().toImage();
        const QRect button = p.control(b, "Boulan(0)")->geometry();
        const QPoint barAt = b->bar(3)->geometry().center();
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(b, "Boulan(0)");
        QCOMPARE(p.s.printer->pages.size(), 1);
        const QImage printed = p.s.printer->pages[0].image;
        QCOMPARE(p.s.printer->pages[0].documentName, QStringLiteral("Bilan"));
        const QImage chart = QImage(p.media("Bilan.Jpg")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(distance(before.pixel(button.center()), chart.pixel(button.center())) > 40);
        QVERIFY(distance(printed.pixel(button.center()), chart.pixel(button.center())) < 8);
        QCOMPARE(printed.pixel(barAt) & 0xFFFFFF, fromBgr(Rewards::Green) & 0xFFFFFF);
        QVERIFY(!p.s.form<Bilan>("Bilan"));
        Recompense* r = p.s.form<Recompense>("Recompense");
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->total(), 9);
    }

    void reportRetourReopensTheRewards() {
        ScoresPartie p(scoresAddingUpTo(47));
        Bilan* b = p.detail();
        p.click(b, "Boulan(1)");
        QVERIFY(!p.s.form<Bilan>("Bilan"));
        QVERIFY(p.s.isShown("Recompense"));
        QCOMPARE(p.s.form<Recompense>("Recompense")->total(), 47);
    }
};

QTEST_MAIN(TestRecompense)
#include "tst_recompense.moc"

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
constexpr int QuestionFlags = MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2;

bool samePicture(const QImage& shown, const QString& file) {
    return !shown.isNull() && shown == QImage(file);
}
} // namespace

using namespace ResultsScenario;

class TestRecompense : public QObject {
    Q_OBJECT

    // The places of a row showing their picture: "xxx......" for the first three of nine, as
    // QString(3, u'x').leftJustified(9, u'.') spells it.
    static QString placesShown(Recompense* r, const QString& name, int places) {
        QString shown;
        for (int k = 1; k <= places; ++k) {
            auto* picture = r->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(name).arg(k));
            shown += !picture ? u'?' : picture->pixmap().isNull() ? u'.' : u'x';
        }
        return shown;
    }

    // Whether the label's caption, drawn as the label draws it, takes a single line.
    static bool onOneLine(FXLabel* label) {
        const QFontMetrics metrics(label->font());
        const QRect drawn = metrics.boundingRect(label->rect().adjusted(2, 1, -2, -1),
                                                 Qt::TextWordWrap, label->caption());
        return drawn.height() == metrics.height();
    }

private slots:
    void initTestCase() { QVERIFY(Partie::available()); }

    // 499 spells four trophies, nine cups and nine medals; the full score shows the diploma with
    // the name instead of the upper labels; a pupil with no row of scores sees the name and
    // nothing earned. The other totals are in the awards table.
    void totalShowsItsTrophiesCupsAndMedals() {
        const std::tuple<QString, int, int, int, int, int> rows[] = {
            {Lea, 499, 499, 4, 9, 9}, {Lea, 500, 500, 0, 0, 0}, {"Fantôme", 47, 0, 0, 0, 0}};
        for (const auto& [name, stored, total, trophies, cups, medals] : rows) {
            const bool diploma = total == 500;
            ScoresPartie p(scoresAddingUpTo(stored), name);
            QVERIFY(p.ok);
            Recompense* r = p.score();
            QVERIFY(r);
            QVERIFY(r->isVisible());
            QCOMPARE(r->total(), total);
            if (!diploma)
                QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(),
                         QStringLiteral(" SCORE : ") + QString::number(total));
            QCOMPARE(p.control<FXLabel>(r, diploma ? "Label2" : "Label1(0)")->caption(), name);
            QCOMPARE(p.control(r, "Label1(0)")->isVisible(), !diploma);
            QCOMPARE(p.control(r, "Label1(1)")->isVisible(), !diploma);
            for (const char* label : {"Label1(0)", "Label1(1)"})
                QVERIFY2(onOneLine(p.control<FXLabel>(r, label)), label);
            QCOMPARE(p.control(r, "Label2")->isVisible(), diploma);
            QCOMPARE(placesShown(r, "trophee", 4), QString(trophies, u'x').leftJustified(4, u'.'));
            QCOMPARE(placesShown(r, "Coupe", 9), QString(cups, u'x').leftJustified(9, u'.'));
            QCOMPARE(placesShown(r, "Medaille", 9), QString(medals, u'x').leftJustified(9, u'.'));
            QVERIFY(samePicture(r->page()->picture(),
                                p.media(diploma ? "diplome.jpg" : "recompen.jpg")));
            if (medals > 0)
                QVERIFY(p.control<QLabel>(r, "Medaille(1)")->pixmap().toImage() ==
                        QImage(p.media("medaille.jpg")).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(p.control<FXShape>(r, "Bouton(0)")->caption(),
                     diploma ? QStringLiteral("Imprimer") : QStringLiteral("Détail"));
            QVERIFY(p.control(r, "Bouton(0)")->isVisible() &&
                    p.control(r, "Bouton(1)")->isVisible());
            if (total > 0)
                continue;
            // The face stays in the middle as the window is resized, at the top left when smaller
            // (the report's face is the same page, placed by the same code).
            const std::pair<QSize, QPoint> places[] = {
                {{900, 700}, {130, 110}}, {{1001, 600}, {180, 60}}, {{500, 400}, {0, 0}}};
            for (const auto& [size, expected] : places) {
                r->resize(size);
                QCoreApplication::processEvents();
                QCOMPARE(r->size(), size);
                QCOMPARE(r->page()->pos(), expected);
            }
            // "Détail" closes the rewards; the report shows the name, no group and no bar.
            Bilan* b = p.detail();
            QVERIFY(b);
            QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Recompense")));
            QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), name);
            QVERIFY(p.control<FXLabel>(b, "Label2")->caption().isEmpty());
            for (int i = 0; i < Bilan::BarCount; ++i)
                QCOMPARE(b->bar(i)->width(), 0);
        }
    }

    // "Imprimer" asks first. A failing printer or "No" leave the window as it was; a page printed
    // without its buttons gives way to the next window (the report after the diploma). The report
    // draws each bar at its place on the chart, as wide as its value and in its colour. "Retour"
    // goes back: to the rewards from the report, to the main window from the rewards.
    void printingAsksFirstAndTheReportDrawsItsBars() {
        // The full score, Sport and Son3 giving six points to Comptine9; the row is found
        // whatever the case of the name signed in.
        const std::tuple<QString, double, int, unsigned> bars[] = {
            {"Sport", 5.5, 5, Rewards::Red},
            {"Son3", 7.5, 7, Rewards::Orange},
            {"Metier", 10, 9, Rewards::Green},
            {"Comptine9", 6, 5, Rewards::Green},
            {"Comptine10", 0, 0, Rewards::Green}};
        QVariantMap scores = scoresAddingUpTo(500);
        for (const auto& [field, value, width, colour] : bars)
            scores[field] = value;
        ScoresPartie p(scores, QStringLiteral("LÉA"));
        Recompense* r = p.score();
        QVERIFY(r);
        const auto& shown = p.s.messageBox->shown;
        const QImage diploma = QImage(p.media("diplome.jpg")).convertToFormat(QImage::Format_RGB32);
        const QPoint button = p.control(r, "Bouton(0)")->geometry().center();
        QVERIFY(distance(r->page()->grab().toImage().pixel(button), diploma.pixel(button)) > 40);
        p.s.printer->outcome = {PrintOutcome::Status::Failed, {}, QStringLiteral("Hors ligne.")};
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(r, "Bouton(0)");
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Veux-tu imprimer ton diplôme ?"));
        QCOMPARE(shown[1].text, QStringLiteral("L'impression n'a pas pu se faire.\nHors ligne."));
        QCOMPARE(MsgBox::icon(shown[1].flags), MsgBox::Critical);
        QVERIFY(p.control(r, "Bouton(0)")->isVisible() && p.control(r, "Bouton(1)")->isVisible());
        QVERIFY(p.control(r, "Label2")->isVisible());
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Bilan")));

        p.s.printer->outcome = {PrintOutcome::Status::Printed, {}, {}};
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(r, "Bouton(0)");
        QCOMPARE(shown.size(), 3); // printed: nothing more to say
        QCOMPARE(p.s.printer->pages.size(), 2);
        const FakePrinter::Page& page = p.s.printer->pages[1];
        QCOMPARE(page.documentName, QStringLiteral("Diplôme"));
        QCOMPARE(page.image.size(), PageFace::Size);
        // Where the button was, the diploma's own picture shows.
        QVERIFY(distance(page.image.pixel(button), diploma.pixel(button)) < 8);
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Recompense")));
        QVERIFY(p.s.isShown(QStringLiteral("Bilan")));

        Bilan* b = p.s.form<Bilan>(QStringLiteral("Bilan"));
        QVERIFY(samePicture(b->page()->picture(), p.media("Bilan.Jpg")));
        QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), Lea);
        QCOMPARE(p.control<FXLabel>(b, "Label2")->caption(), QStringLiteral("CE2"));
        const QImage face = b->page()->grab().toImage();
        for (const auto& [field, value, width, colour] : bars) {
            const int index = int(Schema::scoreFields().indexOf(field));
            ChartBar* bar = b->bar(index);
            const Rewards::BarPlace place = Rewards::barPlace(index);
            QCOMPARE(bar->pos(), QPoint(place.left / 15, place.top / 15));
            QVERIFY2(bar->width() == width && bar->fillColor() == colour, qPrintable(field));
            QVERIFY(bar->isVisible());
            if (width > 1) // the bar is on the page as drawn, where the chart's slot is
                QCOMPARE(face.pixel(bar->geometry().center()) & 0xFFFFFF,
                         fromBgr(colour) & 0xFFFFFF);
        }
        p.s.messageBox->answers = {MsgBox::No};
        p.click(b, "Boulan(0)");
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[3].text, QStringLiteral("Voulez-vous imprimer ces résultats ?"));
        for (const int asked : {0, 2, 3})
            QVERIFY(shown[asked].flags == QuestionFlags && shown[asked].title == "Bilan");
        QCOMPARE(p.s.printer->pages.size(), 2);
        QVERIFY(p.control(b, "Boulan(0)")->isVisible() && p.control(b, "Boulan(1)")->isVisible());
        QCOMPARE(b->bar(1)->width(), 5);
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Recompense")));
        p.click(b, "Boulan(1)");
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Bilan")));
        QVERIFY(p.s.isShown(QStringLiteral("Recompense")));
        r = p.s.form<Recompense>(QStringLiteral("Recompense"));
        QCOMPARE(r->total(), 500);
        p.click(r, "Bouton(1)");
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Recompense")));
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Bilan")));
        QVERIFY(p.main->isVisible());
    }
};

QTEST_MAIN(TestRecompense)
#include "tst_recompense.moc"

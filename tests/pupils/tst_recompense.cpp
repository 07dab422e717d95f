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

    // Whether the label's caption, drawn as the label draws it, takes a single line.
    static bool onOneLine(FXLabel* label) {
        const QFontMetrics metrics(label->font());
        const QRect drawn = metrics.boundingRect(label->rect().adjusted(2, 1, -2, -1),
                                                 Qt::TextWordWrap, label->caption());
        return drawn.height() == metrics.height();
    }

    static bool facePlaces(QWidget* window, PageFace* face) {
        const std::pair<QSize, QPoint> places[] = {
            {{900, 700}, {130, 110}}, {{1001, 600}, {180, 60}}, {{500, 400}, {0, 0}}};
        for (const auto& [size, expected] : places) {
            window->resize(size);
            QCoreApplication::processEvents();
            if (window->size() != size || face->pos() != expected) {
                qWarning() << window->size() << "face at" << face->pos() << "not" << expected;
                return false;
            }
        }
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(Partie::available()); }

    // 499 spells four trophies, nine cups and nine medals; the full score shows the diploma with
    // the name instead of the upper labels. The other totals are in the awards table.
    void totalShowsItsTrophiesCupsAndMedals() {
        for (const int total : {499, 500}) {
            const bool diploma = total == 500;
            const int trophies = diploma ? 0 : 4, cups = diploma ? 0 : 9, medals = cups;
            ScoresPartie p(scoresAddingUpTo(total));
            QVERIFY(p.ok);
            Recompense* r = p.score();
            QVERIFY(r);
            QVERIFY(r->isVisible());
            QCOMPARE(r->total(), total);
            if (!diploma)
                QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(),
                         QStringLiteral(" SCORE : ") + QString::number(total));
            QCOMPARE(p.control<FXLabel>(r, diploma ? "Label2" : "Label1(0)")->caption(), Lea);
            QCOMPARE(p.control(r, "Label1(0)")->isVisible(), !diploma);
            QCOMPARE(p.control(r, "Label1(1)")->isVisible(), !diploma);
            for (const char* name : {"Label1(0)", "Label1(1)"})
                QVERIFY2(onOneLine(p.control<FXLabel>(r, name)), name);
            QCOMPARE(p.control(r, "Label2")->isVisible(), diploma);
            QCOMPARE(picturesShown(r, "trophee", 4), trophies);
            QCOMPARE(picturesShown(r, "Coupe", 9), cups);
            QCOMPARE(picturesShown(r, "Medaille", 9), medals);
            QVERIFY(samePicture(r->page()->picture(),
                                p.media(diploma ? "diplome.jpg" : "recompen.jpg")));
            if (medals > 0)
                QVERIFY(p.control<QLabel>(r, "Medaille(1)")->pixmap().toImage() ==
                        QImage(p.media("medaille.jpg")).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(p.control<FXShape>(r, "Bouton(0)")->caption(),
                     diploma ? QStringLiteral("Imprimer") : QStringLiteral("Détail"));
            QVERIFY(p.control(r, "Bouton(0)")->isVisible() &&
                    p.control(r, "Bouton(1)")->isVisible());
        }
    }

    // A pupil with no row of scores sees the name and nothing earned. The rewards window keeps
    // its face in the middle as it is resized, and at the top left when smaller than the face
    // (the report's face is the same page, placed by the same code).
    void missingPupilRowShowsTheNameAndNothingEarned() {
        ScoresPartie p(scoresAddingUpTo(47), QStringLiteral("Fantôme"));
        Recompense* r = p.score();
        QVERIFY(r);
        QCOMPARE(r->total(), 0);
        QCOMPARE(p.control<FXLabel>(r, "Label1(0)")->caption(), QStringLiteral("Fantôme"));
        QCOMPARE(p.control<FXLabel>(r, "Label1(1)")->caption(), QStringLiteral(" SCORE : 0"));
        QCOMPARE(picturesShown(r, "Medaille", 9), 0);
        QVERIFY(facePlaces(r, r->page()));
        Bilan* b = p.detail();
        QVERIFY(b);
        QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), QStringLiteral("Fantôme"));
        QVERIFY(p.control<FXLabel>(b, "Label2")->caption().isEmpty());
        for (int i = 0; i < Bilan::BarCount; ++i)
            QCOMPARE(b->bar(i)->width(), 0);
    }

    // Each bar at its place on the chart, as wide as its value and in its colour, drawn on the
    // page: a sample of the bar rules through the report.
    void reportDrawsEachBarAtItsPlaceWithItsColour() {
        const std::tuple<QString, double, int, unsigned> bars[] = {
            {"Sport", 5.5, 5, Rewards::Red},
            {"Son3", 7.5, 7, Rewards::Orange},
            {"Comptine10", 0, 0, Rewards::Green}};
        QVariantMap scores = scoresAddingUpTo(0);
        for (const auto& [field, value, width, colour] : bars)
            scores[field] = value;
        ScoresPartie p(scores);
        Bilan* b = p.detail();
        QVERIFY(b);
        QVERIFY(!p.s.form<Recompense>("Recompense"));
        QVERIFY(samePicture(b->page()->picture(), p.media("Bilan.Jpg")));
        QCOMPARE(p.control<FXLabel>(b, "Label1")->caption(), Lea);
        QCOMPARE(p.control<FXLabel>(b, "Label2")->caption(), QStringLiteral("CE2"));
        const QImage face = b->page()->grab().toImage();
        for (const auto& [field, value, width, colour] : bars) {
            const int index = int(Schema::scoreFields().indexOf(field));
            ChartBar* bar = b->bar(index);
            QCOMPARE(bar->objectName(), QStringLiteral("Shape1(%1)").arg(index));
            const Rewards::BarPlace place = Rewards::barPlace(index);
            QCOMPARE(bar->pos(), QPoint(place.left / 15, place.top / 15));
            QCOMPARE(bar->parentWidget(), b->page());
            QVERIFY2(bar->width() == width && bar->fillColor() == colour, qPrintable(field));
            QVERIFY(bar->isVisible());
            if (width > 1) // the bar is on the page as drawn, where the chart's slot is
                QCOMPARE(face.pixel(bar->geometry().center()) & 0xFFFFFF,
                         fromBgr(colour) & 0xFFFFFF);
        }
    }

    // "Imprimer" asks first. A page printed without its buttons gives way to the next window (the
    // report after the diploma, the rewards after the report); "No" or a failing printer leave
    // the window as it was, and its "Retour" goes back (to the main window from the rewards).
    // Both windows ask through the same routine: "No" is answered on the report only.
    void printingAsksFirst() {
        const std::pair<bool, bool> rows[] = {{true, false}, {true, true}, {false, false}};
        for (const auto& [diploma, printerFails] : rows) {
            const int answer = diploma ? MsgBox::Yes : MsgBox::No;
            QVariantMap scores = scoresAddingUpTo(diploma ? 500 : 0);
            if (!diploma)
                scores[QStringLiteral("Metier")] = 9;
            ScoresPartie p(scores);
            Recompense* r = diploma ? p.score() : nullptr;
            Bilan* b = diploma ? nullptr : p.detail();
            Form* window = diploma ? static_cast<Form*>(r) : b;
            QVERIFY(window);
            const QString print = diploma ? "Bouton(0)" : "Boulan(0)";
            const QString back = diploma ? "Bouton(1)" : "Boulan(1)";
            const QString here = diploma ? "Recompense" : "Bilan";
            const QString next = diploma ? "Bilan" : "Recompense";
            const QImage picture = QImage(p.media(diploma ? "diplome.jpg" : "Bilan.Jpg"))
                                       .convertToFormat(QImage::Format_RGB32);
            const QPoint button = p.control(window, print)->geometry().center();
            const QImage before = (diploma ? r->page() : b->page())->grab().toImage();
            QVERIFY(distance(before.pixel(button), picture.pixel(button)) > 40);
            if (printerFails)
                p.s.printer->outcome = {
                    PrintOutcome::Status::Failed, {}, QStringLiteral("Hors ligne.")};
            p.s.messageBox->answers = {answer};
            p.click(window, print);
            const auto& shown = p.s.messageBox->shown;
            QCOMPARE(shown.size(), printerFails ? 2 : 1); // printed: nothing more to say
            QCOMPARE(shown[0].text, diploma ? Question : ReportQuestion);
            QCOMPARE(shown[0].flags, QuestionFlags);
            QCOMPARE(shown[0].title, QStringLiteral("Bilan"));
            if (printerFails) {
                QVERIFY(shown[1].text.endsWith(QStringLiteral("Hors ligne.")));
                QCOMPARE(MsgBox::icon(shown[1].flags), MsgBox::Critical);
            }
            if (answer == MsgBox::Yes && !printerFails) {
                QCOMPARE(p.s.printer->pages.size(), 1);
                const FakePrinter::Page& page = p.s.printer->pages[0];
                QCOMPARE(page.documentName, diploma ? QStringLiteral("Diplôme") : "Bilan");
                QCOMPARE(page.image.size(), PageFace::Size);
                // Where the button was, the window's own picture shows.
                QVERIFY(distance(page.image.pixel(button), picture.pixel(button)) < 8);
                QVERIFY(!p.s->forms().isLoaded(here));
                QVERIFY(p.s.isShown(next));
                continue;
            }
            if (answer == MsgBox::No)
                QVERIFY(p.s.printer->pages.isEmpty());
            QVERIFY(p.control(window, print)->isVisible() && p.control(window, back)->isVisible());
            QVERIFY(!p.s->forms().isLoaded(next));
            if (diploma)
                QVERIFY(p.control(r, "Label2")->isVisible());
            else
                QCOMPARE(b->bar(3)->width(), 8);
            p.click(window, back);
            QVERIFY(!p.s->forms().isLoaded(here));
            if (diploma) {
                QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Bilan")));
                QVERIFY(p.main->isVisible());
            } else {
                QVERIFY(p.s.isShown(next));
                QCOMPARE(p.s.form<Recompense>(next)->total(), 9);
            }
        }
    }
};

QTEST_MAIN(TestRecompense)
#include "tst_recompense.moc"

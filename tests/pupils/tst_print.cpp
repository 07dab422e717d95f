// Printing the results report and the diploma on a real print server: the default printer is
// the PDF printer that scripts/start-printer.sh sets up, whose pages land as PDF files in the
// folder its configuration names. Each PDF is rendered back to pixels with pdftoppm and looked
// at where the bars and the buttons were.
#include "platform/QtPrinter.h"
#include "pupils/PrintedPages.h"
#include "pupils/ResultsPage.h"
#include "pupils/ResultsScenario.h"
#include "pupils/Rewards.h"
#include "shell/Twips.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

using namespace ResultsScenario;
using namespace PrintedPages;

namespace {
const QString PrinterName = QStringLiteral("BrindelPDF");
const QString PrinterConfig = QStringLiteral("/etc/cups/cups-pdf-brindel.conf");

// The output folder of the PDF printer: the "Out" key of its configuration.
QString outputFolder() {
    QFile config(PrinterConfig);
    const QRegularExpression out(QStringLiteral("^\\s*Out\\s+(.+?)\\s*$"),
                                 QRegularExpression::MultilineOption);
    return config.open(QIODevice::ReadOnly | QIODevice::Text)
               ? out.match(QString::fromUtf8(config.readAll())).captured(1)
               : QString();
}

QStringList pdfFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    QString output_;
    QTemporaryDir scratch_;

    // Says yes to printing and presses BUTTON of FORM: the child goes on to NEXT with no notice,
    // and the print server delivers a new PDF file, whole (it renders) and filling the width of
    // the paper. The page comes upright into PAPER and its picture's box into BOX.
    void print(ScoresPartie& p, Form* form, const char* button, const char* next, QImage& paper,
               QRect& box) {
        const QStringList before = pdfFiles(output_);
        const qsizetype asked = p.s.messageBox->shown.size();
        p.s.messageBox->answers = {MsgBox::Yes};
        p.click(form, button);
        QCOMPARE(p.s.messageBox->shown.size(), asked + 1); // printed: no notice
        QVERIFY(p.s.isShown(next));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         for (const QString& pdf : pdfFiles(output_))
                             if (!before.contains(pdf)) {
                                 const QString found = QDir(output_).filePath(pdf);
                                 paper = render(found, scratch_.path());
                                 // Read back whole: the server's folder keeps no test pages.
                                 return !paper.isNull() && QFile::remove(found);
                             }
                         return false;
                     },
                     90000),
                 "no PDF page came out of the print server");
        box = pictureBox(paper);
        QVERIFY(box.width() > paper.width() * 0.8);
    }

private slots:
    void initTestCase() {
        QVERIFY(Partie::available());
        if (QPrinterInfo::defaultPrinterName() != PrinterName) {
            if (qEnvironmentVariable("CI") == QStringLiteral("true"))
                QFAIL("the CUPS server with its PDF printer did not start");
            QSKIP(
                "no CUPS server with the BrindelPDF printer (scripts/start-printer.sh starts it)");
        }
        output_ = outputFolder();
        QVERIFY2(QDir(output_).exists(), qPrintable(output_));
    }

    // The diploma is printed with the name and no buttons; the report it gives way to is printed
    // with its bars in place and no buttons; then a printer refusing jobs is a failure.
    void diplomaThenReportArePrintedThenARefusingPrinterFails() {
        // The full score with a red, an orange and green bars: Texte10 and Dictee1 give ten points
        // to Comptine10.
        QVariantMap scores = scoresAddingUpTo(500);
        const std::tuple<QString, int, unsigned> bars[] = {{"Activite", 10, Rewards::Green},
                                                           {"Texte10", 4, Rewards::Red},
                                                           {"Dictee1", 6, Rewards::Orange},
                                                           {"Quizz", 10, Rewards::Green},
                                                           {"Comptine10", 10, Rewards::Green}};
        for (const auto& [field, value, colour] : bars)
            scores[field] = value;
        ScoresPartie p(scores);
        p.s->platform().printer = std::make_unique<QtPrinter>(scratch_.filePath("documents"));
        Recompense* r = p.score();
        QVERIFY(r);
        QRect buttons =
            p.control(r, "Bouton(0)")->geometry().united(p.control(r, "Bouton(1)")->geometry());
        const QRect name = p.control(r, "Label2")->geometry();
        const QImage diploma = QImage(p.media("diplome.jpg")).convertToFormat(QImage::Format_RGB32);

        QImage paper;
        QRect box;
        print(p, r, "Bouton(0)", "Bilan", paper, box);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(distance(meanColour(paper, onPaper(box, buttons)), meanColour(diploma, buttons)) <
                     12,
                 "the buttons were printed");
        // The name is written where the picture alone has only paper.
        int inked = 0;
        for (int y = name.top(); y <= name.bottom(); ++y)
            for (int x = name.left(); x <= name.right(); ++x)
                inked += distance(paper.pixel(onPaper(box, QPointF(x + 0.5, y + 0.5))),
                                  diploma.pixel(x, y)) > 80;
        QVERIFY2(inked > 20, qPrintable(QString::number(inked)));

        Bilan* b = p.s.form<Bilan>(QStringLiteral("Bilan"));
        buttons =
            p.control(b, "Boulan(0)")->geometry().united(p.control(b, "Boulan(1)")->geometry());
        const QImage chart = QImage(p.media("Bilan.Jpg")).convertToFormat(QImage::Format_RGB32);
        const QImage onScreen = b->page()->grab().toImage();
        print(p, b, "Boulan(0)", "Recompense", paper, box);
        if (QTest::currentTestFailed())
            return;
        // Fitted to the page in the window's proportions.
        QVERIFY(qAbs(box.width() * 3 - box.height() * 4) < box.width() / 20);
        for (const auto& [field, value, colour] : bars) {
            const Rewards::BarPlace place =
                Rewards::barPlace(int(Schema::scoreFields().indexOf(field)));
            const double width = Rewards::barWidthTwips(value) / Twips::PerPixel;
            const QPointF middle(place.left / 15.0 + width / 2, place.top / 15.0 + 7.5);
            const QRgb seen = paper.pixel(onPaper(box, middle));
            QVERIFY2(distance(seen, fromBgr(colour)) < 70,
                     qPrintable(QStringLiteral("%1: %2").arg(field).arg(seen, 6, 16)));
        }
        // Where the buttons are on screen, the paper shows the chart's own picture.
        const QRgb chartThere = meanColour(chart, buttons);
        QVERIFY(distance(meanColour(onScreen, buttons), chartThere) > 25);
        QVERIFY2(distance(meanColour(paper, onPaper(box, buttons)), chartThere) < 12,
                 qPrintable(QString::number(meanColour(paper, onPaper(box, buttons)), 16)));

        // The child is told why, and the diploma stays with its buttons.
        const auto run = [](const QString& tool) {
            return QProcess::execute(tool, {PrinterName}) == 0;
        };
        QVERIFY(run(QStringLiteral("cupsreject")));
        const auto acceptAgain = qScopeGuard([&run] { run(QStringLiteral("cupsaccept")); });
        const QStringList before = pdfFiles(output_);
        r = p.s.form<Recompense>(QStringLiteral("Recompense"));
        p.s.messageBox->answers = {MsgBox::Yes, MsgBox::Ok};
        p.click(r, "Bouton(0)");
        const auto& shown = p.s.messageBox->shown;
        QCOMPARE(shown.size(), 4);
        QCOMPARE(MsgBox::icon(shown[3].flags), MsgBox::Critical);
        QVERIFY(shown[3].text.startsWith(QStringLiteral("L'impression n'a pas pu se faire.")));
        QVERIFY2(shown[3].text.contains(PrinterName), qPrintable(shown[3].text));
        QCOMPARE(p.s.form<Recompense>(QStringLiteral("Recompense")), r);
        QVERIFY(p.control(r, "Bouton(0)")->isVisible());
        QCOMPARE(pdfFiles(output_), before);
        QVERIFY(!QDir(scratch_.filePath("documents")).exists());
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"

// Printing with no printer installed (the print server address points nowhere): the page is
// saved as a PDF file in the user's documents folder and the child is told where; a page that
// cannot be saved is reported as a failure.
#include "platform/QtPrinter.h"
#include "pupils/PrintedPages.h"
#include "pupils/ResultsScenario.h"

#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QtTest>

using namespace ResultsScenario;
using namespace PrintedPages;

namespace {
// A landscape page of four coloured quarters.
QImage quarters() {
    QImage page(PageFace::Size, QImage::Format_RGB32);
    QPainter p(&page);
    const int w = page.width() / 2, h = page.height() / 2;
    p.fillRect(0, 0, w, h, QColor(255, 0, 0));
    p.fillRect(w, 0, w, h, QColor(0, 192, 0));
    p.fillRect(0, h, w, h, QColor(0, 0, 255));
    p.fillRect(w, h, w, h, QColor(255, 128, 0));
    return page;
}
} // namespace

class TestPdfFallback : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase() {
        // The user's documents folder is under this home.
        qputenv("HOME", home_.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(), "a printer is reachable");
    }

    void pageIsSavedAsPdfInTheDocumentsFolderWholeAndReplacedByALaterOne() {
        QtPrinter printer;
        const PrintOutcome outcome = printer.printPage(quarters(), QStringLiteral("Diplôme"));
        QCOMPARE(int(outcome.status), int(PrintOutcome::Status::SavedAsFile));
        QCOMPARE(outcome.file, home_.filePath(QStringLiteral("Documents/Diplôme.pdf")));
        const QImage paper = render(outcome.file, home_.path());
        QVERIFY(!paper.isNull());
        const QRect box = pictureBox(paper);
        QVERIFY(box.width() > paper.width() * 0.8);
        QVERIFY(qAbs(box.width() * 3 - box.height() * 4) < box.width() / 20);
        const std::pair<QPointF, QRgb> corners[] = {{{160, 120}, qRgb(255, 0, 0)},
                                                    {{480, 120}, qRgb(0, 192, 0)},
                                                    {{160, 360}, qRgb(0, 0, 255)},
                                                    {{480, 360}, qRgb(255, 128, 0)}};
        for (const auto& [at, colour] : corners)
            QVERIFY(distance(paper.pixel(onPaper(box, at)), colour) < 40);

        // A later page of the same name replaces the file.
        QImage green(PageFace::Size, QImage::Format_RGB32);
        green.fill(QColor(0, 192, 0));
        QCOMPARE(printer.printPage(green, QStringLiteral("Diplôme")).file, outcome.file);
        const QImage again = render(outcome.file, home_.path());
        QVERIFY(distance(again.pixel(pictureBox(again).center()), qRgb(0, 192, 0)) < 40);
    }

    void aPageThatCannotBeSavedIsAFailure() {
        const QString notAFolder = home_.filePath(QStringLiteral("fichier"));
        QVERIFY(QFile(notAFolder).open(QIODevice::WriteOnly));
        QtPrinter printer(notAFolder + QStringLiteral("/Documents"));
        const PrintOutcome outcome = printer.printPage(quarters(), QStringLiteral("Bilan"));
        QCOMPARE(int(outcome.status), int(PrintOutcome::Status::Failed));
        QVERIFY(outcome.error.contains(QStringLiteral("fichier")));
        QCOMPARE(int(printer.printPage(QImage(), QStringLiteral("Bilan")).status),
                 int(PrintOutcome::Status::Failed));
    }

    void reportWithoutPrinterTellsTheChildWhereThePageIs() {
        ScoresPartie p(scoresAddingUpTo(47));
        p.s->platform().printer = std::make_unique<QtPrinter>();
        Bilan* b = p.detail();
        QVERIFY(b);
        p.s.messageBox->answers = {MsgBox::Yes, MsgBox::Ok};
        p.click(b, QStringLiteral("Boulan(0)"));
        QCOMPARE(p.s.messageBox->shown.size(), 2);
        const QString where = home_.filePath(QStringLiteral("Documents/Bilan.pdf"));
        QCOMPARE(p.s.messageBox->shown[1].text,
                 QStringLiteral("Aucune imprimante n'est installée. La page a été enregistrée "
                                "dans le fichier :\n") +
                     where);
        QCOMPARE(p.s.messageBox->shown[1].flags, MsgBox::OkOnly | MsgBox::Information);
        QVERIFY(QFileInfo(where).size() > 0);
        QVERIFY(p.s.isShown(QStringLiteral("Recompense")));
    }
};

QTEST_MAIN(TestPdfFallback)
#include "tst_pdffallback.moc"

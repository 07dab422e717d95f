#include "platform/QtPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

PrintOutcome failed(const QString& error) {
    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::Failed;
    outcome.error = error;
    return outcome;
}

// Draws the page centred on the paper's printable area, as large as it fits whole.
bool paint(QPrinter& printer, const QImage& page) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area = painter.viewport();
    const QSize size = page.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2,
                       area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, page);
    return painter.end();
}

// What the print server answered to the last request of this thread, read from the CUPS library
// that Qt's printing uses: Qt hands the job over without looking at the answer, so a printer
// that refuses jobs would otherwise pass for one that printed. Empty when all went well or when
// the library is not there to ask.
QString lastServerRefusal() {
    using LastError = int (*)();
    using LastErrorString = const char* (*)();
    static const auto lastError =
        reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    static const auto lastErrorString = reinterpret_cast<LastErrorString>(
        QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastErrorString"));
    constexpr int LastSuccessStatus = 0x00FF; // IPP status codes above are errors
    if (!lastError || lastError() <= LastSuccessStatus)
        return {};
    const char* text = lastErrorString ? lastErrorString() : nullptr;
    return text ? QString::fromUtf8(text) : QStringLiteral("refus du serveur d'impression");
}

void prepare(QPrinter& printer, const QImage& page, const QString& documentName) {
    printer.setDocName(documentName);
    printer.setPageOrientation(page.width() > page.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    printer.setColorMode(QPrinter::Color);
}

} // namespace

QtPrinter::QtPrinter(QString documentsFolder) : documentsFolder_(std::move(documentsFolder)) {}

QString QtPrinter::documentsFolder() const {
    if (!documentsFolder_.isEmpty())
        return documentsFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

PrintOutcome QtPrinter::printPage(const QImage& page, const QString& documentName) {
    if (page.isNull())
        return failed(QStringLiteral("La page à imprimer est vide."));

    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        prepare(printer, page, documentName);
        const bool painted = paint(printer, page);
        const QString refusal = lastServerRefusal();
        if (!painted || !refusal.isEmpty() || printer.printerState() == QPrinter::Error ||
            printer.printerState() == QPrinter::Aborted) {
            QString error = QStringLiteral("L'imprimante « %1 » n'a pas accepté la page.")
                                .arg(printerInfo.printerName());
            if (!refusal.isEmpty())
                error += QStringLiteral(" (%1)").arg(refusal);
            return failed(error);
        }
        PrintOutcome outcome;
        outcome.status = PrintOutcome::Status::Printed;
        return outcome;
    }

    const QString folder = documentsFolder();
    const QString file = QDir(folder).filePath(documentName + QStringLiteral(".pdf"));
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("Le dossier « %1 » n'a pas pu être créé.")
                          .arg(QDir::toNativeSeparators(folder)));
    QFile::remove(file); // an earlier page of the same name must not pass for this one
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    prepare(printer, page, documentName);
    if (!paint(printer, page) || !QFileInfo::exists(file))
        return failed(QStringLiteral("Le fichier « %1 » n'a pas pu être écrit.")
                          .arg(QDir::toNativeSeparators(file)));
    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::SavedAsFile;
    outcome.file = file;
    return outcome;
}

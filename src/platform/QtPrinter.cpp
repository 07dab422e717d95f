#include "platform/QtPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
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
        if (!paint(printer, page) || printer.printerState() == QPrinter::Error ||
            printer.printerState() == QPrinter::Aborted)
            return failed(QStringLiteral("L'imprimante « %1 » n'a pas accepté la page.")
                              .arg(printerInfo.printerName()));
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

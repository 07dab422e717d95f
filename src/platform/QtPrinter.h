#pragma once

#include "platform/Printer.h"

// Prints on the system's default printer (through CUPS on Linux). With no printer installed,
// the page is saved as a PDF file in the user's documents folder instead.
class QtPrinter : public Printer {
public:
    // documentsFolder: where pages are saved without a printer; empty for the user's documents
    // folder.
    explicit QtPrinter(QString documentsFolder = {});

    PrintOutcome printPage(const QImage& page, const QString& documentName) override;

private:
    QString documentsFolder() const;

    QString documentsFolder_;
};

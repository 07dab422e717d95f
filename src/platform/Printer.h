#pragma once

#include <QString>

class QImage;

// What became of a page handed to the printer.
struct PrintOutcome {
    enum class Status {
        Printed,     // sent to the default printer
        SavedAsFile, // no printer: the page was saved where the user can find it
        Failed,      // nothing was printed or saved
    };
    Status status = Status::Failed;
    QString file;  // the saved file, for SavedAsFile
    QString error; // what went wrong, for Failed

    bool succeeded() const { return status != Status::Failed; }
};

// The text the child is shown after printing, or the empty text when the page simply went to
// the printer: where a page saved for want of a printer lies, or why nothing was printed.
QString printNotice(const PrintOutcome& outcome);

class Printer {
public:
    virtual ~Printer() = default;
    // Prints one page showing the picture whole, fitted to the paper. documentName names the
    // print job and, without a printer, the saved file ("Bilan" gives "Bilan.pdf").
    virtual PrintOutcome printPage(const QImage& page, const QString& documentName) = 0;
};

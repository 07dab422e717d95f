#include "platform/Printer.h"

#include <QDir>

QString printNotice(const PrintOutcome& outcome) {
    switch (outcome.status) {
    case PrintOutcome::Status::Printed:
        return {};
    case PrintOutcome::Status::SavedAsFile:
        return QStringLiteral("Aucune imprimante n'est installée. La page a été enregistrée "
                              "dans le fichier :\n") +
               QDir::toNativeSeparators(outcome.file);
    case PrintOutcome::Status::Failed:
        break;
    }
    QString text = QStringLiteral("L'impression n'a pas pu se faire.");
    if (!outcome.error.isEmpty())
        text += u'\n' + outcome.error;
    return text;
}

#include "platform/QtFileDialog.h"

#include <QFileDialog>

QString QtFileDialog::openFile(QWidget* owner, const OpenFileRequest& request) {
    // The description may already name its pattern in brackets, as file dialogs show it.
    const QString bracketed = QStringLiteral("(") + request.filterPattern + u')';
    const QString filter = request.filterText.contains(bracketed)
                               ? request.filterText
                               : request.filterText + u' ' + bracketed;
    QFileDialog dialog(owner, request.title, request.initialFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.selectedFile.isEmpty())
        dialog.selectFile(request.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

#include "platform/QtFileDialog.h"

#include <QFileDialog>

QString QtFileDialog::openFile(QWidget* owner, const OpenFileRequest& request) {
    const QString filter = request.filterText + QStringLiteral(" (") + request.filterPattern + u')';
    QFileDialog dialog(owner, request.title, request.initialFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

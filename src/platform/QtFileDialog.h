#pragma once

#include "platform/FileDialog.h"

// The open-file dialog, shown with QFileDialog.
class QtFileDialog : public FileDialog {
public:
    QString openFile(QWidget* owner, const OpenFileRequest& request) override;
};

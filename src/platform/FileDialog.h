#pragma once

#include <QString>

class QWidget;

// What the open-file dialog is asked to show.
struct OpenFileRequest {
    QString title;
    QString filterText;    // description shown for the one filter
    QString filterPattern; // file name pattern of that filter
    QString initialFolder;
    QString selectedFile; // a file of that folder shown already chosen, or empty
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Returns the full path of the confirmed file, or the empty text when cancelled.
    virtual QString openFile(QWidget* owner, const OpenFileRequest& request) = 0;
};

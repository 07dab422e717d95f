#include "support/Fakes.h"

int FakeMessageBox::show(const QString& text, int flags, const QString& title) {
    shown.append({text, flags, title});
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (MsgBox::buttonSet(flags) == MsgBox::YesNo)
        return MsgBox::secondIsDefault(flags) ? MsgBox::No : MsgBox::Yes;
    return MsgBox::Ok;
}

QString FakeFileDialog::openFile(QWidget*, const OpenFileRequest& request) {
    requests.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

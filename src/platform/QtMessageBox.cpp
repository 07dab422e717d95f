#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon iconFor(int flags) {
    switch (MsgBox::icon(flags)) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case MsgBox::Exclamation:
        return QMessageBox::Warning;
    case MsgBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

int QtMessageBox::show(const QString& text, int flags, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(iconFor(flags));
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("VALIMOR Brindel") : title);
    box.setText(text);
    if (MsgBox::buttonSet(flags) == MsgBox::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        box.setDefaultButton(MsgBox::secondIsDefault(flags) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgBox::Yes : MsgBox::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgBox::Ok;
}

#include "platform/QtHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidget>

void QtHelp::setHelpFile(const QString& path) {
    path_ = path;
    file_ = HelpFile::load(path);
}

void QtHelp::showTopicPopup(int topic, QWidget* near) {
    if (!file_.hasTopic(topic))
        return;
    const QPoint where =
        near ? near->mapToGlobal(QPoint(near->width() / 2, near->height())) : QPoint(0, 0);
    QWhatsThis::showText(
        where, file_.topic(topic).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")), near);
}

void QtHelp::showContents(QWidget* owner) {
    QDialog window(owner);
    window.setWindowTitle(QStringLiteral("Aide de Brindel"));
    auto* text = new QTextBrowser(&window);
    QString html;
    for (int topic : file_.topicNumbers())
        html += QStringLiteral("<p>") +
                file_.topic(topic).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
                QStringLiteral("</p><hr>");
    text->setHtml(html);
    auto* buttons = new QDialogButtonBox(&window);
    buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window.resize(560, 420);
    window.exec();
}

void QtHelp::showIndex(QWidget* owner) {
    showContents(owner);
}

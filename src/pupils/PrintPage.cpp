#include "pupils/PrintPage.h"

#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "shell/Contexte.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"

#include <QFontMetrics>
#include <QPainter>

QRect buttonPlace(int leftTwips, int topTwips) {
    constexpr int Width = 70;
    constexpr int Height = 28;
    constexpr int SecondLeft = 8400; // twips
    const int left = Twips::toPixels(leftTwips);
    const int secondLeft = Twips::toPixels(SecondLeft);
    return {left < secondLeft ? std::min(left, secondLeft - Width - 3) : left,
            Twips::toPixels(topTwips), Width, Height};
}

void setSizedCaption(FXLabel* label, const QString& text) {
    label->setCaption(text);
    const QFontMetrics metrics(label->font());
    label->resize(metrics.horizontalAdvance(text) + 4, metrics.height() + 2);
}

namespace {
const QString PrintTitle = QStringLiteral("Bilan");
}

PageFace::PageFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Page"));
    resize(Size);
}

void PageFace::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PageFace::centre() {
    if (QWidget* window = parentWidget())
        move(std::max(0, (window->width() - width()) / 2),
             std::max(0, (window->height() - height()) / 2));
}

void PageFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(rect(), picture_);
}

ChartBar::ChartBar(const QString& name, int index, QWidget* parent)
    : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ChartBar::setFillColor(unsigned bgr) {
    fillColor_ = bgr;
    update();
}

void ChartBar::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    const QColor fill = QColor::fromRgb(fromBgr(fillColor_));
    painter.fillRect(rect(), fill);
    painter.setPen(fill.darker(160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool askAndPrint(Contexte& contexte, PageFace* face, std::initializer_list<QWidget*> buttons,
                 const QString& question, const QString& documentName) {
    MessageBox& box = contexte.messageBox();
    if (box.show(question, MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, PrintTitle) !=
        MsgBox::Yes)
        return false;
    for (QWidget* button : buttons)
        button->hide();
    const QImage page = face->grab().toImage();
    PrintOutcome outcome;
    if (Printer* printer = contexte.platform().printer.get())
        outcome = printer->printPage(page, documentName);
    else
        outcome.error = QStringLiteral("Aucun service d'impression n'est disponible.");
    const QString notice = printNotice(outcome);
    if (!notice.isEmpty())
        box.show(notice,
                 MsgBox::OkOnly | (outcome.succeeded() ? MsgBox::Information : MsgBox::Critical),
                 PrintTitle);
    if (!outcome.succeeded()) {
        for (QWidget* button : buttons)
            button->show();
        return false;
    }
    return true;
}

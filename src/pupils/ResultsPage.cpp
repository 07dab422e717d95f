#include "pupils/ResultsPage.h"

#include "data/DataControl.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "shell/Contexte.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

void setSizedCaption(FXLabel* label, const QString& text) {
    label->setCaption(text);
    // The text's exact width, rounded up: a pixel short and the label wraps its last word.
    const QFontMetricsF metrics(label->font());
    label->resize(int(std::ceil(metrics.horizontalAdvance(text))) + 5,
                  int(std::ceil(metrics.height())) + 2);
}

namespace {
const QString PrintTitle = QStringLiteral("Bilan");
}

PageFace::PageFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Page"));
    resize(Size);
    parent->installEventFilter(this);
}

void PageFace::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

bool PageFace::eventFilter(QObject* watched, QEvent* event) {
    QWidget* window = parentWidget();
    if (watched == window && event->type() == QEvent::Resize)
        move(std::max(0, (window->width() - width()) / 2),
             std::max(0, (window->height() - height()) / 2));
    return false;
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

ResultsPage::ResultsPage(Form& window, Contexte& contexte, std::function<void(int)> clicked)
    : contexte_(contexte), clicked_(std::move(clicked)), face_(new PageFace(&window)) {
    window.setWindowTitle(window.formName());
}

void ResultsPage::makeButtons(const QString& name, const QString& first, const QString& second,
                              int topTwips) {
    // The first button ends a little short of the second's left edge, so that its caption fits.
    constexpr int Width = 70;
    constexpr int Height = 28;
    const int secondLeft = Twips::toPixels(8400);
    const int lefts[] = {std::min(Twips::toPixels(7530), secondLeft - Width - 3), secondLeft};
    const QString captions[] = {first, second};
    for (int i = 0; i < 2; ++i) {
        auto* button = new FXShape(name, i, face_);
        button->setCaption(captions[i]);
        button->setColor(i == 0 ? 0x40A040 : 0x4040C0);
        button->setGeometry(lefts[i], Twips::toPixels(topTwips), Width, Height);
        button->hide();
        QObject::connect(button, &FXShape::pressed, button, [this, button](int, int mouse) {
            if (mouse != MouseArgs::Left)
                return;
            PlayEffect(contexte_, 1);
            button->setPressedLook();
        });
        QObject::connect(button, &FXShape::clicked, button, [this, button](int index) {
            button->clearPressedLook();
            clicked_(index);
        });
        buttons_[std::size_t(i)] = button;
    }
}

void ResultsPage::showButtons() {
    for (FXShape* button : buttons_) {
        button->show();
        button->update();
    }
}

Rewards::PupilScores ResultsPage::readPupil() {
    const QString& nomEleve = contexte_.general().NomEleve;
    MainPanels* panels = mainPanels(contexte_);
    if (!panels)
        return Rewards::PupilScores{false, nomEleve, {}, {}};
    panels->useTable(Schema::Table::Gestion);
    return Rewards::readPupilScores(panels->data().recordSet(), nomEleve);
}

bool ResultsPage::print(const QString& question, const QString& documentName) {
    return askAndPrint(contexte_, face_, {buttons_[0], buttons_[1]}, question, documentName);
}

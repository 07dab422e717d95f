#include "pupils/Bilan.h"

#include "data/DataControl.h"
#include "data/Schema.h"
#include "pupils/PrintPage.h"
#include "pupils/Rewards.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

namespace {
constexpr int Imprimer = 0;

FXLabel* makeLabel(const QString& name, QPoint twips, QWidget* parent) {
    auto* label = new FXLabel(name, -1, parent);
    label->setTransparent(true);
    label->setForeColor(0x8C3C1D);
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(Twips::toPixels(twips));
    return label;
}

} // namespace

Bilan::Bilan(Contexte& contexte)
    : Form(contexte, QStringLiteral("Bilan")), page_(new PageFace(this)),
      Label1(makeLabel(QStringLiteral("Label1"), {1035, 270}, page_)),
      Label2(makeLabel(QStringLiteral("Label2"), {4890, 270}, page_)) {
    setWindowTitle(QStringLiteral("Bilan"));
    for (int i = 0; i < BarCount; ++i) {
        auto* bar = new ChartBar(QStringLiteral("Shape1"), i, page_);
        const Rewards::BarPlace place = Rewards::barPlace(i);
        bar->setGeometry(Twips::toPixels(place.left), Twips::toPixels(place.top),
                         Twips::toPixels(Rewards::InitialBarWidth),
                         Twips::toPixels(Rewards::BarHeight));
        bar->setFillColor(Rewards::initialBarColour(i));
        Shape1[std::size_t(i)] = bar;
    }
    const char* const captions[] = {"Imprimer", "Retour"};
    const int lefts[] = {7530, 8400};
    for (int i = 0; i < 2; ++i) {
        auto* button = new FXShape(QStringLiteral("Boulan"), i, page_);
        button->setCaption(QString::fromUtf8(captions[i]));
        button->setColor(i == Imprimer ? 0x40A040 : 0x4040C0);
        button->setGeometry(buttonPlace(lefts[i], 150));
        button->hide();
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { buttonPressed(index, mouse); });
        connect(button, &FXShape::clicked, this, [this](int index) { buttonClicked(index); });
        Boulan[std::size_t(i)] = button;
    }
}

void Bilan::onLoad() {
    page_->setPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\Bilan.Jpg"))));
}

void Bilan::onActivate() {
    for (FXShape* button : Boulan) {
        button->show();
        button->update();
    }
    Rewards::PupilScores scores;
    if (MainPanels* panels = mainPanels(ctx())) {
        panels->useTable(Schema::Table::Gestion);
        scores = Rewards::readPupilScores(panels->data().recordSet(), ctx().general().NomEleve);
    } else {
        scores = Rewards::PupilScores{false, ctx().general().NomEleve, {}, {}};
    }
    setSizedCaption(Label1, scores.nom);
    setSizedCaption(Label2, scores.groupe);
    for (int i = 0; i < BarCount; ++i) {
        ChartBar* bar = Shape1[std::size_t(i)];
        const double value = Rewards::barValue(scores.values.value(i));
        bar->resize(qRound(Rewards::barWidthTwips(value) / Twips::PerPixel), bar->height());
        bar->setFillColor(Rewards::barColour(i, value));
        bar->show();
    }
}

void Bilan::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    page_->centre();
}

void Bilan::buttonPressed(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    PlayEffect(ctx(), 1);
    Boulan[std::size_t(index)]->setPressedLook();
}

void Bilan::buttonClicked(int index) {
    Boulan[std::size_t(index)]->clearPressedLook();
    if (index == Imprimer && !askAndPrint(ctx(), page_, {Boulan[0], Boulan[1]},
                                          QStringLiteral("Voulez-vous imprimer ces résultats ?"),
                                          QStringLiteral("Bilan")))
        return;
    FormRegistry& forms = ctx().forms();
    forms.show(QStringLiteral("Recompense"), FormRegistry::ShowMode::Maximised);
    forms.unload(formName());
}

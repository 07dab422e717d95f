#include "pupils/Bilan.h"

#include "pupils/Rewards.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"

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
    : ResultsForm(contexte, QStringLiteral("Bilan")),
      Label1(makeLabel(QStringLiteral("Label1"), {1035, 270}, page_)),
      Label2(makeLabel(QStringLiteral("Label2"), {4890, 270}, page_)) {
    for (int i = 0; i < BarCount; ++i) {
        auto* bar = new ChartBar(QStringLiteral("Shape1"), i, page_);
        const Rewards::BarPlace place = Rewards::barPlace(i);
        bar->setGeometry(Twips::toPixels(place.left), Twips::toPixels(place.top),
                         Twips::toPixels(Rewards::InitialBarWidth),
                         Twips::toPixels(Rewards::BarHeight));
        bar->setFillColor(Rewards::initialBarColour(i));
        Shape1[std::size_t(i)] = bar;
    }
    makeButtons(QStringLiteral("Boulan"), QStringLiteral("Imprimer"), QStringLiteral("Retour"),
                150);
}

void Bilan::onLoad() {
    page_->setPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\Bilan.Jpg"))));
}

void Bilan::onActivate() {
    showButtons();
    const Rewards::PupilScores scores = readPupil();
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

void Bilan::buttonClicked(int index) {
    if (index == Imprimer &&
        !printFace(QStringLiteral("Voulez-vous imprimer ces résultats ?"), QStringLiteral("Bilan")))
        return;
    FormRegistry& forms = ctx().forms();
    forms.show(QStringLiteral("Recompense"), FormRegistry::ShowMode::Maximised);
    forms.unload(formName());
}

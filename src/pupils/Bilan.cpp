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
    : Form(contexte, QStringLiteral("Bilan")),
      results_(*this, contexte, [this](int index) { buttonClicked(index); }),
      Label1(makeLabel(QStringLiteral("Label1"), {1035, 270}, results_.face())),
      Label2(makeLabel(QStringLiteral("Label2"), {4890, 270}, results_.face())) {
    for (int i = 0; i < BarCount; ++i) {
        auto* bar = new ChartBar(QStringLiteral("Shape1"), i, results_.face());
        const Rewards::BarPlace place = Rewards::barPlace(i);
        bar->setGeometry(Twips::toPixels(place.left), Twips::toPixels(place.top),
                         Twips::toPixels(Rewards::InitialBarWidth),
                         Twips::toPixels(Rewards::BarHeight));
        bar->setFillColor(Rewards::initialBarColour(i));
        Shape1[std::size_t(i)] = bar;
    }
    results_.makeButtons(QStringLiteral("Boulan"), QStringLiteral("Imprimer"),
                         QStringLiteral("Retour"), 150);
}

void Bilan::onLoad() {
    results_.face()->setPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\Bilan.Jpg"))));
}

void Bilan::onActivate() {
    results_.showButtons();
    const Rewards::PupilScores scores = results_.readPupil();
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
    if (index == Imprimer && !results_.print(QStringLiteral("Voulez-vous imprimer ces résultats ?"),
                                             QStringLiteral("Bilan")))
        return;
    FormRegistry& forms = ctx().forms();
    forms.show(QStringLiteral("Recompense"), FormRegistry::ShowMode::Maximised);
    forms.unload(formName());
}

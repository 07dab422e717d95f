#include "pupils/Recompense.h"

#include "pupils/Rewards.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"

#include <QLabel>

namespace {
constexpr int Detail = 0;
constexpr int Retour = 1;

// Left edge in twips of place k (0-based) of a row whose places run evenly from first to last.
int placeLeft(int first, int last, int k, int places) {
    return first + (last - first) * k / (places - 1);
}
} // namespace

Recompense::Recompense(Contexte& contexte)
    : Form(contexte, QStringLiteral("Recompense")),
      results_(*this, contexte, [this](int index) { buttonClicked(index); }),
      Label2(new FXLabel(QStringLiteral("Label2"), -1, results_.face())) {

    const QPoint labelPlaces[] = {{345, 270}, {5355, 255}};
    for (int i = 0; i < 2; ++i) {
        auto* label = new FXLabel(QStringLiteral("Label1"), i, results_.face());
        label->setTransparent(true);
        label->setForeColor(0x105080);
        label->setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->move(Twips::toPixels(labelPlaces[i]));
        label->hide();
        Label1[std::size_t(i)] = label;
    }
    Label2->setTransparent(true);
    Label2->setForeColor(0x8C3C1D);
    Label2->setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Label2->setGeometry(QRect(Twips::toPixels(QPoint(3510, 3945)), QSize(340, 32)));
    Label2->hide();

    for (int k = 0; k < Rewards::TrophyPlaces; ++k)
        trophee[std::size_t(k + 1)] =
            makePicture(QStringLiteral("trophee"), k + 1, std::array{1350, 3120, 4920, 6720}[k],
                        1140, {100, 130});
    for (int k = 0; k < Rewards::CupPlaces; ++k)
        Coupe[std::size_t(k + 1)] =
            makePicture(QStringLiteral("Coupe"), k + 1, placeLeft(405, 8250, k, Rewards::CupPlaces),
                        3390, {60, 80});
    for (int k = 0; k < Rewards::MedalPlaces; ++k)
        Medaille[std::size_t(k + 1)] =
            makePicture(QStringLiteral("Medaille"), k + 1,
                        placeLeft(855, 7890, k, Rewards::MedalPlaces), 5595, {54, 70});

    results_.makeButtons(QStringLiteral("Bouton"), QStringLiteral("Détail"),
                         QStringLiteral("Retour"), 240);
}

QLabel* Recompense::makePicture(const QString& name, int index, int leftTwips, int topTwips,
                                QSize size) {
    auto* picture = new QLabel(results_.face());
    picture->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    picture->setGeometry(QRect(Twips::toPixels(QPoint(leftTwips, topTwips)), size));
    picture->setScaledContents(true);
    return picture;
}

void Recompense::onLoad() {
    total_ = 0;
    const Rewards::PupilScores scores = results_.readPupil();
    setSizedCaption(Label1[0], scores.nom);
    Label2->setCaption(scores.nom);
    total_ = Rewards::total(scores.values);
    setSizedCaption(Label1[1], Rewards::scoreCaption(total_));

    if (Rewards::isDiploma(total_)) {
        results_.face()->setPicture(QImage(ctx().media(QStringLiteral("\\bitmap\\diplome.jpg"))));
        Label2->show();
        results_.button(Detail)->setCaption(QStringLiteral("Imprimer"));
        return;
    }
    results_.face()->setPicture(QImage(ctx().media(QStringLiteral("\\bitmap\\recompen.jpg"))));
    showAwards();
}

void Recompense::showAwards() {
    const Rewards::Awards awards = Rewards::awards(total_);
    const auto fill = [this](auto& places, int count, const QString& file) {
        const QPixmap picture(ctx().media(file));
        for (int k = 1; k <= count; ++k)
            places[std::size_t(k)]->setPixmap(picture);
    };
    fill(Medaille, awards.medals, QStringLiteral("\\bitmap\\medaille.jpg"));
    fill(Coupe, awards.cups, QStringLiteral("\\bitmap\\Coupe.jpg"));
    fill(trophee, awards.trophies, QStringLiteral("\\bitmap\\trophee.jpg"));
}

void Recompense::onActivate() {
    results_.showButtons();
    if (!Rewards::isDiploma(total_))
        for (FXLabel* label : Label1) {
            label->show();
            label->update();
        }
}

void Recompense::buttonClicked(int index) {
    FormRegistry& forms = ctx().forms();
    if (index == Retour) {
        forms.show(QStringLiteral("Principale"));
        forms.unload(formName());
        return;
    }
    if (Rewards::isDiploma(total_) &&
        !results_.print(QStringLiteral("Veux-tu imprimer ton diplôme ?"),
                        QStringLiteral("Diplôme")))
        return;
    forms.show(QStringLiteral("Bilan"), FormRegistry::ShowMode::Maximised);
    forms.unload(formName());
}

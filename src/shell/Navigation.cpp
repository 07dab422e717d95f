#include "shell/Navigation.h"

#include "data/Options.h"
#include "data/Schema.h"

#include <QStringList>
#include <array>

namespace Navigation {

const ActivityFamily* activityFamily(int index) {
    static const std::array<ActivityFamily, 6> families{{
        {QStringLiteral("Ecoute et observe"), QStringLiteral("\\Bitmap\\Brinobse.Jpg"),
         QStringLiteral("\\Bitmap\\Hobserve.Jpg"), QStringLiteral("\\Hotspot\\observe.hsp"), true},
        {QStringLiteral("Ecoute et comprends"), QStringLiteral("\\Bitmap\\Brincomp.Jpg"),
         QStringLiteral("\\Bitmap\\Hcomprend.Jpg"), QStringLiteral("\\Hotspot\\comprend.hsp"),
         true},
        {QStringLiteral("Ecoute et repère"), QStringLiteral("\\Bitmap\\Brinrepe.Jpg"),
         QStringLiteral("\\Bitmap\\Hrepere.Jpg"), QStringLiteral("\\Hotspot\\repere.hsp"), false},
        {QStringLiteral("Ecoute et distingue"), QStringLiteral("\\Bitmap\\Brindist.Jpg"),
         QStringLiteral("\\Bitmap\\Hdistingue.Jpg"), QStringLiteral("\\Hotspot\\distingue.hsp"),
         false},
        {QStringLiteral("Ecoute et écris"), QStringLiteral("\\Bitmap\\Brinecris.Jpg"),
         QStringLiteral("\\Bitmap\\HEcris.Jpg"), QStringLiteral("\\Hotspot\\Ecris.hsp"), false},
        {QStringLiteral("Ecoute et ordonne"), QStringLiteral("\\Bitmap\\Brincompt.Jpg"),
         QStringLiteral("\\Bitmap\\HComptine.Jpg"), QStringLiteral("\\Hotspot\\Comptine.hsp"),
         false},
    }};
    if (index < 0 || index >= static_cast<int>(families.size()))
        return nullptr;
    return &families[static_cast<size_t>(index)];
}

static int topicInsideAnActivity(const Situation& s) {
    switch (s.modeActivite) {
    case 0:
        if (s.actionVisible)
            return 111;
        return s.numExercice == 17 || s.numExercice == 18 ? 120 : 112;
    case 1:
        return s.actionVisible ? 113 : 114;
    case 2:
    case 3:
    case 4:
    case 5:
        return 113 + s.modeActivite;
    case QuizFamily:
        return 66;
    default:
        return 0;
    }
}

int consigneTopic(const Situation& s) {
    // The web visit has no instructions of its own.
    if (s.modeActivite == WebVisitFamily)
        return 0;
    if (s.activityButtonsVisible)
        return s.listPictureVisible ? 84 : 109;
    return topicInsideAnActivity(s);
}

QString quizTable(const QString& quizzOption) {
    return quizzOption == Options::Faux ? Schema::Table::Quizz2 : Schema::Table::Quizz1;
}

QString quizRefusalMessage() {
    return QStringList{QStringLiteral("Le Quizz ne peut pas fonctionner sans"),
                       QStringLiteral(" un minimum de 10 enregistrements."),
                       QStringLiteral(" Pour construire votre questionnaire,"),
                       QStringLiteral("Retournez dans la partie \"Gestion\" de Brindel.")}
        .join(u'\n');
}

} // namespace Navigation

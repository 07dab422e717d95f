#include "shell/Main.h"

#include "activities/Comptine.h"
#include "activities/Quizz.h"
#include "activities/Seconde.h"
#include "activities/Tierce.h"
#include "lexicon/Lexique.h"
#include "periphery/Apropos.h"
#include "periphery/Internet.h"
#include "pupils/Bilan.h"
#include "pupils/Formulaire.h"
#include "pupils/Inscription.h"
#include "pupils/Recompense.h"
#include "shell/Accueil.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/StartupChecks.h"
#include "sound/Visu.h"
#include "teacher/Gestion.h"
#include "teacher/Questions.h"

#include <QPixmap>

using Placement = FormRegistry::Placement;

void registerForms(Contexte& contexte) {
    FormRegistry& forms = contexte.forms();
    forms.registerForm(QStringLiteral("Principale"), Placement::TopLevel,
                       [](Contexte& c) { return new Principale(c); });
    forms.registerForm(QStringLiteral("Inscription"), Placement::Child,
                       [](Contexte& c) { return new Inscription(c); });
    forms.registerForm(QStringLiteral("Formulaire"), Placement::Child,
                       [](Contexte& c) { return new Formulaire(c); });
    forms.registerForm(QStringLiteral("Recompense"), Placement::Child,
                       [](Contexte& c) { return new Recompense(c); });
    forms.registerForm(QStringLiteral("Bilan"), Placement::Child,
                       [](Contexte& c) { return new Bilan(c); });
    forms.registerForm(QStringLiteral("Seconde"), Placement::Child,
                       [](Contexte& c) { return new Seconde(c); });
    forms.registerForm(QStringLiteral("Tierce"), Placement::Child,
                       [](Contexte& c) { return new Tierce(c); });
    forms.registerForm(QStringLiteral("Lexique"), Placement::Child,
                       [](Contexte& c) { return new Lexique(c); });
    forms.registerForm(QStringLiteral("Comptine"), Placement::Child,
                       [](Contexte& c) { return new Comptine(c); });
    forms.registerForm(QStringLiteral("Quizz"), Placement::Child,
                       [](Contexte& c) { return new Quizz(c); });
    forms.registerForm(QStringLiteral("Visu"), Placement::Child,
                       [](Contexte& c) { return new Visu(c); });
    forms.registerForm(QStringLiteral("Gestion"), Placement::Child,
                       [](Contexte& c) { return new Gestion(c); });
    forms.registerForm(QStringLiteral("Questions"), Placement::Child,
                       [](Contexte& c) { return new Questions(c); });
    forms.registerForm(QStringLiteral("Apropos"), Placement::TopLevel,
                       [](Contexte& c) { return new Apropos(c); });
    forms.registerForm(QStringLiteral("Internet"), Placement::Child,
                       [](Contexte& c) { return new Internet(c); });
}

bool Main(Contexte& contexte) {
    using namespace StartupChecks;
    Platform& platform = contexte.platform();

    if (platform.instanceDetector->anotherInstanceRunning() &&
        contexte.messageBox().show(InstanceQuestion, InstanceQuestionFlags, ProductTitle) ==
            MsgBox::No)
        return false;

    if (!PetitesPolices(*platform.screen)) {
        contexte.messageBox().show(fontMessage(), FontMessageFlags, FontTitle);
        return false;
    }

    const QString splashPath = contexte.media(QStringLiteral("\\Bitmap\\splash.jpg"));
    const QPixmap splash(splashPath);
    if (splash.isNull()) {
        contexte.messageBox().show(missingSplashMessage(splashPath),
                                   MsgBox::OkOnly | MsgBox::Critical, ProductTitle);
        return false;
    }
    contexte.forms().registerForm(QStringLiteral("Accueil"), Placement::TopLevel,
                                  [splash](Contexte& c) { return new Accueil(c, splash); });
    contexte.forms().show(QStringLiteral("Accueil"));
    return true;
}

#include "shell/StartupChecks.h"

#include "platform/ScreenInfo.h"
#include "shell/Twips.h"

#include <QStringList>

namespace StartupChecks {

QString fontMessage() {
    return QStringList{
        QStringLiteral("Brindel ne peut pas fonctionner en grandes polices"),
        QStringLiteral("Pour modifier les propriétés d'affichage, cliquer sur :"),
        QStringLiteral("1) Démarrer"),
        QStringLiteral("2) Paramètres -> Panneau de configuration"),
        QStringLiteral("3) Affichage"),
        QStringLiteral("4) Configuration"),
        QStringLiteral("5) Propriétés avancées"),
        QStringLiteral("6) Petites polices"),
    }
        .join(u'\n');
}

bool PetitesPolices(ScreenInfo& screen) {
    return screen.logicalDpiX() == 96;
}

QPoint splashPosition(QSize screenPixels, QSize splashPixels) {
    const int top = Twips::toPixels(Twips::fromPixels(screenPixels.height()) / 2 -
                                    Twips::fromPixels(splashPixels.height()) / 2);
    const int left = Twips::toPixels(Twips::fromPixels(screenPixels.width()) / 2 -
                                     Twips::fromPixels(splashPixels.width()) / 2) -
                     5;
    return {left, top};
}

QString missingSplashMessage(const QString& path) {
    return QStringLiteral("VALIMOR Brindel ne peut pas démarrer : l'image d'accueil est "
                          "introuvable ou illisible.\n%1")
        .arg(path);
}

} // namespace StartupChecks

#include "shell/Accueil.h"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/StartupChecks.h"
#include "shell/StartupReport.h"

#include <QPainter>
#include <QTimer>

Accueil::Accueil(Contexte& contexte, const QPixmap& picture)
    : Form(contexte, QStringLiteral("Accueil")), picture_(picture) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(StartupChecks::ProductTitle);
    setFixedSize(picture_.deviceIndependentSize().toSize());
}

void Accueil::onLoad() {
    move(StartupChecks::splashPosition(ctx().platform().screen->screenSize(), size()));
}

void Accueil::onActivate() {
    if (mainWindowRequested_)
        return;
    mainWindowRequested_ = true;
    // Leave the splash on screen long enough to be seen before the main window covers it.
    QTimer::singleShot(MinimumShowMs, this,
                       [this] { ctx().forms().show(QStringLiteral("Principale")); });
}

void Accueil::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    StartupReport::firstWindowPainted();
}

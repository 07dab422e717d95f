#include "activities/Seconde.h"

#include "activities/Activites.h"
#include "activities/Exercices.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/Routines.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "shell/controls/FXVid.h"
#include "shell/controls/MouseArgs.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>

Seconde::Seconde(Contexte& contexte)
    : Form(contexte, QStringLiteral("Seconde")),
      FXShape1(new FXHotspotPicture(QStringLiteral("FXShape1"), this)),
      FXShape2(new FXHotspotPicture(QStringLiteral("FXShape2"), this)) {
    setWindowTitle(QStringLiteral("Brindel"));
    FXShape1->hide();
    FXShape2->hide();
    // The exercise picture is this window's picture; its control only adds the highlights.
    FXShape1->setTransparent(true);
    connect(FXShape2, &FXHotspotPicture::moved, this, &Seconde::survolerListe);
    connect(FXShape2, &FXHotspotPicture::released, this,
            [this](int button, int, int, int) { relacherListe(button); });
    const auto activites = [this] {
        Principale* principale = mainWindow(ctx());
        return principale ? principale->activites() : nullptr;
    };
    connect(FXShape1, &FXHotspotPicture::moved, this, [this, activites] {
        if (Activites* a = activites())
            a->explorerImage(*FXShape1);
    });
    connect(FXShape1, &FXHotspotPicture::released, this,
            [this, activites](int button, int, int, int) {
                if (Activites* a = activites())
                    a->relacherImage(*FXShape1, button);
            });
}

void Seconde::setBackground(const QString& path) {
    backgroundPath_ = path;
    setBackgroundPicture(QImage(path));
    placeControls();
}

QRect Seconde::pictureRect() const {
    const QSize picture = backgroundPicture().size();
    if (picture.isEmpty())
        return rect();
    const QSize fitted = picture.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void Seconde::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), QColor(0x2a, 0x5d, 0x8a));
    if (!backgroundPicture().isNull())
        painter.drawImage(pictureRect(), backgroundPicture());
}

void Seconde::setList(const QString& highlightPicture, const QString& hotspotFile) {
    const QFileInfo highlight(highlightPicture);
    QString plain = highlight.fileName();
    if (plain.startsWith(u'H', Qt::CaseInsensitive))
        plain.remove(0, 1);
    FXShape2->setPicture(ctx().media(QStringLiteral("\\Bitmap\\") + plain));
    FXShape2->setHighlightPicture(highlightPicture);
    FXShape2->setHotspotFile(hotspotFile);
    placeControls();
}

// The exercise control lies exactly over the window's picture. The list is drawn at its own
// size in the family picture's coordinates (smaller when it does not fit), centred across and
// near the top, so that it leaves the family picture's drawing in the lower corners visible;
// it grows and shrinks with the family picture.
void Seconde::placeControls() {
    const QRect page = pictureRect();
    FXShape1->setGeometry(page);
    const QSize list = FXShape2->picture().size();
    const QSize background = backgroundPicture().size();
    if (list.isEmpty() || background.isEmpty()) {
        FXShape2->setGeometry(page);
        return;
    }
    const int margin = background.height() / 20;
    const QSize room(background.width(), background.height() * 3 / 4 - margin);
    const QSize drawn = list.width() <= room.width() && list.height() <= room.height()
                            ? list
                            : list.scaled(room, Qt::KeepAspectRatio);
    const double scale = double(page.width()) / background.width();
    const QRect inPicture(QPoint((background.width() - drawn.width()) / 2, margin), drawn);
    FXShape2->setGeometry(page.x() + qRound(inPicture.x() * scale),
                          page.y() + qRound(inPicture.y() * scale),
                          qRound(inPicture.width() * scale), qRound(inPicture.height() * scale));
}

// ---- the list of exercises ----

void Seconde::survolerListe() {
    const int h = FXShape2->hotspotIndex();
    if (h != -1 && h != FXShape2->highlightIndex()) {
        PlayEffect(ctx(), 2);
        FXShape2->setHighlightIndex(h);
        FXShape2->setHighlightStrength(FXHotspotPicture::HighlightOn);
        if (Principale* principale = mainWindow(ctx()))
            principale->motAnglais()->setCaption(QString());
    } else if (h == -1) {
        FXShape2->setHighlightIndex(FXHotspotPicture::NoHighlight);
        FXShape2->setHighlightStrength(0);
    }
}

void Seconde::relacherListe(int button) {
    if (button != MouseArgs::Left)
        return;
    const int h = FXShape2->highlightIndex() != FXHotspotPicture::NoHighlight
                      ? FXShape2->highlightIndex()
                      : FXShape2->hotspotIndex();
    const auto exercice = Exercices::choisir(ctx().general().ModeActivite, h);
    // A release away from every exercise (also on a hotspot that names none) goes back to the
    // start picture.
    if (!FXShape2->onActiveHotspot() || !exercice) {
        quitterListe();
        return;
    }
    Général& g = ctx().general();
    PlayEffect(ctx(), 1);
    g.NumExercice = 0;
    g.EnExercice = true;
    prendreTable();
    g.TitreExercice = exercice->titre;
    g.Colonne = exercice->colonne;
    g.NumExercice = exercice->numero;
    if (exercice->devientTheme)
        g.ModeActivite = Exercices::FamilleTheme;
    FXShape2->setHighlightIndex(FXHotspotPicture::NoHighlight);
    FXShape2->setHighlightStrength(0);
    FXShape2->hide();
    choisir();
}

void Seconde::choisir() {
    precharge();
    if (ctx().general().ModeActivite == Exercices::FamilleComptine) {
        montrerFenetre(QStringLiteral("Comptine"));
        QApplication::restoreOverrideCursor();
    } else {
        charger();
    }
}

void Seconde::onLoad() {
    if (Principale* principale = mainWindow(ctx()))
        principale->useTable(Schema::Table::Imagier);
}

void Seconde::quitterListe() {
    FXShape2->hide();
    if (Principale* principale = mainWindow(ctx()))
        principale->titre()->setCaption(QStringLiteral("Brindel"));
    setBackground(ctx().media(QStringLiteral("\\Bitmap\\Brin.Jpg")));
}

void Seconde::prendreTable() {
    const QString table = Exercices::tableDeFamille(ctx().general().ModeActivite);
    Principale* principale = mainWindow(ctx());
    if (principale && !table.isEmpty())
        principale->useTable(table);
}

void Seconde::montrerFenetre(const QString& name) {
    ctx().forms().show(name, FormRegistry::ShowMode::Maximised);
}

// ---- preparing and showing an exercise ----

void Seconde::precharge() {
    Principale* principale = mainWindow(ctx());
    if (!principale)
        return;
    for (int i = 0; i <= 14; ++i)
        if (FXShape* bouton = principale->commande(i))
            bouton->hide();
    principale->video()->hide();
    principale->motAnglais()->setVisible(
        ctx().settings().read(Options::Configuration, Options::Texte) == Options::Vrai);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    principale->hautParleur()->hide();
    principale->titre()->update();
}

void Seconde::charger() {
    Général& g = ctx().general();
    Principale* principale = mainWindow(ctx());
    if (!principale)
        return;
    g.DernierMot = ListeningSeries::Muet;
    g.PhaseQuestion = false;
    if (Exercices::estImage(g.NumExercice)) {
        FXShape1->show();
        FXShape1->setEnabled(true);
        const QString image = ctx().media(QStringLiteral("\\Bitmap\\%1.Jpg").arg(g.Colonne));
        setBackground(image);
        FXShape1->setPicture(image);
        FXShape1->setHighlightPicture(
            ctx().media(QStringLiteral("\\Bitmap\\H%1.Jpg").arg(g.Colonne)));
        FXShape1->setHotspotFile(ctx().media(QStringLiteral("\\Hotspot\\%1.hsp").arg(g.Colonne)));
        FXShape1->setHighlightIndex(FXHotspotPicture::NoHighlight);
        FXShape1->setHighlightStrength(0);
        placeControls();
        ctx().forms().show(formName(), FormRegistry::ShowMode::Maximised);
        principale->titre()->setCaption(g.TitreExercice);
    } else if (Exercices::estDictee(g.NumExercice)) {
        principale->commande(13)->setCaption(QStringLiteral("Action"));
        principale->titre()->setCaption(g.TitreExercice);
        montrerFenetre(QStringLiteral("Tierce"));
    } else if (Exercices::estComptine(g.NumExercice)) {
        principale->titre()->setCaption(g.TitreExercice);
        montrerFenetre(QStringLiteral("Comptine"));
        principale->motAnglais()->hide();
    }
    principale->hautParleur()->show();
    for (int i = 9; i <= 14; ++i)
        principale->bouton(i)->show();
    EntrerActivite(ctx());
    QApplication::restoreOverrideCursor();
    principale->sonore()->setCommand(FXSnd::StopAndClose);
    if (g.NumExercice == 3 && !g.VideoEnCours)
        principale->Profette();
}

void Seconde::rechoisir() {
    Général& g = ctx().general();
    g.NumExercice = 0;
    g.EnExercice = true;
    prendreTable();
    precharge();
    if (g.ModeActivite == Exercices::FamilleComptine) {
        montrerFenetre(QStringLiteral("Comptine"));
        QApplication::restoreOverrideCursor();
    } else if (Principale* principale = mainWindow(ctx())) {
        principale->timer(1)->start();
        QApplication::restoreOverrideCursor();
    }
}

void Seconde::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    placeControls();
}

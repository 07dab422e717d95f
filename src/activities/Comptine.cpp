#include "activities/Comptine.h"

#include "activities/Activites.h"
#include "activities/ListeningSeries.h"
#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "shell/controls/MouseArgs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr int Margin = 30;
constexpr int WrappedWidth = 330; // width of the verse labels that wrap their text, in pixels
constexpr int PanelWidth = 460;

QFont verseFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

void setupVerseLabel(FXLabel* label) {
    label->setFont(verseFont());
    label->setTransparent(false);
    label->setBackColor(0xFFFFFF);
    label->setForeColor(Comptine::Noir);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setCursor(Qt::OpenHandCursor);
}
} // namespace

Comptine::Comptine(Contexte& contexte)
    : Form(contexte, QStringLiteral("Comptine")),
      Label1(new FXLabel(QStringLiteral("Label1"), -1, this)), illustre(new QLabel(this)),
      Sonore(
          new FXSnd(QStringLiteral("Sonore"), contexte.platform().audio->createChannel(), this)) {
    setWindowTitle(QStringLiteral("Brindel"));
    auto* modele = new FXLabel(QStringLiteral("Etiquette"), 0, this);
    setupVerseLabel(modele);
    modele->hide();
    Etiquette << modele;

    Label1->setFont(verseFont());
    Label1->setTransparent(false);
    Label1->setBackColor(0xFFFFFF);
    Label1->setForeColor(Violet);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    illustre->setObjectName(QStringLiteral("illustre"));
    illustre->setAlignment(Qt::AlignCenter);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    connect(Sonore, &FXSnd::playEnded, this, &Comptine::finDeSon);
}

Comptine::~Comptine() = default;

MainPanels* Comptine::main() {
    return mainPanels(ctx());
}

// ---- load and activation ----

void Comptine::onLoad() {
    Général& g = ctx().general();
    g.DernierMot = 0;
    ctx().forms().unload(QStringLiteral("Seconde"));
    // Another exercise has no rows of verses: the window then stays empty.
    appliquerModele(RhymeOrder::layout(g.NumExercice).value_or(RhymeOrder::Layout{}));
    if (MainPanels* m = main()) {
        m->useTable(Schema::Table::Compte);
        relierBoutons(*m);
    }
    construireComptine();
    setBackgroundPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\Comptefd.jpg"))));
}

void Comptine::onActivate() {
    Label1->update();
    PretAJouer = true;
}

void Comptine::onUnload() {
    Sonore->setCommand(FXSnd::StopAndClose);
    // "Terminer" goes too, so that no rhyme button is left on the menu.
    if (MainPanels* m = main())
        for (int i = BoutonTerminer; i <= BoutonDemarrer; ++i)
            m->comptines(i)->hide();
}

void Comptine::relierBoutons(MainPanels& m) {
    for (int i = BoutonTerminer; i <= BoutonDemarrer; ++i) {
        FXShape* bouton = m.comptines(i);
        connect(bouton, &FXShape::pressed, this, [bouton](int, int button, int, int, int) {
            if (button == MouseArgs::Right)
                bouton->raise();
        });
        connect(bouton, &FXShape::released, this, [this](int index, int button, int, int, int) {
            if (button != MouseArgs::Left)
                return;
            switch (index) {
            case BoutonTerminer:
                Terminer();
                break;
            case BoutonArreter:
                Arreter();
                break;
            case BoutonEcouter:
                Ecouter();
                break;
            case BoutonDemarrer:
                Demarrer();
                break;
            default:
                break;
            }
        });
    }
}

void Comptine::appliquerModele(const RhymeOrder::Layout& layout) {
    layout_ = layout;
    // Every verse label is made after the template and so inherits its sizing.
    FXLabel* modele = Etiquette.at(0);
    modele->resize(WrappedWidth, QFontMetrics(modele->font()).height() + 4);
}

void Comptine::construireComptine() {
    Général& g = ctx().general();
    MainPanels* m = main();
    if (m)
        m->commande(13)->hide();
    Label1->update();
    illustration_ =
        QPixmap(ctx().media(QStringLiteral("\\Bitmap\\compt1%1.Bmp").arg(g.NumExercice)));
    const QStringList vers = lireVers();
    rhyme_.setVerses(vers, layout_.interligne);
    chargerEtiquettes(vers);
    melanger();
    if (m) {
        for (int i = BoutonArreter; i <= BoutonDemarrer; ++i)
            m->comptines(i)->show();
        m->commande(13)->hide();
        for (int i = 9; i <= 14; ++i)
            m->bouton(i)->show();
        m->titre()->setCaption(g.TitreExercice);
        m->comptines(BoutonTerminer)->hide();
    }
    Etiquette.at(0)->hide();
    Sonore->setCommand(FXSnd::StopAndClose);
    layoutControls();
}

// The verses of the rhyme from table Compte: the count in field Indice of the first verse's row,
// then verse k in field Vers of its row. A missing row gives an empty verse.
QStringList Comptine::lireVers() {
    MainPanels* m = main();
    if (!m || layout_.prefix.isEmpty())
        return {};
    RecordSet& rs = m->data().recordSet();
    const auto lire = [&rs](const QString& key, const QString& field) {
        rs.moveFirst();
        if (!rs.findFirst(Criterion::equals(Schema::Field::Numero, key)) || rs.noMatch())
            return QVariant();
        return rs.field(field);
    };
    // The verse keys only reach ten verses; a larger count is read as ten.
    const int nbVers =
        qBound(0, lire(RhymeOrder::verseKey(layout_.prefix, 1), Schema::Field::Indice).toInt(),
               RhymeOrder::MaxVerses);
    QStringList vers;
    for (int k = 1; k <= nbVers; ++k)
        vers << lire(RhymeOrder::verseKey(layout_.prefix, k), Schema::Field::Vers).toString();
    return vers;
}

void Comptine::chargerEtiquettes(const QStringList& vers) {
    while (Etiquette.size() > 1)
        delete Etiquette.takeLast();
    for (int k = 1; k <= vers.size(); ++k) {
        auto* label = new FXLabel(QStringLiteral("Etiquette"), k, this);
        setupVerseLabel(label);
        label->setCaption(vers.at(k - 1));
        ajusterTaille(label);
        label->installEventFilter(this);
        label->hide();
        Etiquette << label;
    }
}

void Comptine::ajusterTaille(FXLabel* label) const {
    const QFontMetrics metrics(label->font());
    if (layout_.autoSize && !layout_.wordWrap) {
        label->resize(metrics.horizontalAdvance(label->caption()) + 8, metrics.height() + 4);
        return;
    }
    const QRect text = metrics.boundingRect(QRect(0, 0, WrappedWidth - 4, 1000), Qt::TextWordWrap,
                                            label->caption());
    label->resize(WrappedWidth, qMax(text.height(), metrics.height()) + 4);
}

// ---- playing ----

void Comptine::melanger() {
    rhyme_.shuffle(*ctx().platform().random);
    for (int k = 1; k <= NbVers(); ++k)
        Etiquette.at(k)->hide();
    placerVers();
}

void Comptine::placerVers() {
    for (int k = 1; k <= NbVers(); ++k)
        Etiquette.at(k)->move(Twips::toPixels(RhymeOrder::Left), Twips::toPixels(rhyme_.top(k)));
}

void Comptine::Demarrer() {
    rhyme_.restart();
    melanger();
    montrerPanneau(Violet);
    for (int k = 1; k <= NbVers(); ++k) {
        Etiquette.at(k)->show();
        Etiquette.at(k)->update();
    }
    if (MainPanels* m = main())
        m->comptines(BoutonTerminer)->show();
}

void Comptine::Arreter() {
    Sonore->setCommand(FXSnd::StopAndClose);
    // A sound cut off reports no end: the verse sounds are made ready again here.
    finDeSon();
}

void Comptine::Ecouter() {
    jouer(RhymeOrder::rhymeSound(ctx().general().NumExercice));
    ctx().general().DernierSon = Sonore->fileName();
    if (MainPanels* m = main(); m && m->activites())
        m->activites()->MontrerStudio();
}

void Comptine::montrerPanneau(unsigned couleur) {
    Label1->setCaption(rhyme_.panelLines());
    Label1->setForeColor(couleur);
}

void Comptine::jouer(const QString& windowsPath) {
    Sonore->setFileName(ctx().media(windowsPath));
    Sonore->setCommand(FXSnd::Play);
}

void Comptine::finDeSon() {
    Général& g = ctx().general();
    if (g.DernierMot >= 1 && g.DernierMot <= NbVers())
        Etiquette.at(g.DernierMot)->setForeColor(Noir);
    PretAJouer = true;
    g.DernierSon = Sonore->fileName();
    if (MainPanels* m = main(); m && m->activites())
        m->activites()->MontrerStudio();
    Sonore->setCommand(FXSnd::StopAndClose);
}

// ---- judging ----

void Comptine::Terminer() {
    MainPanels* m = main();
    if (!rhyme_.isRight()) {
        montrerPanneau(Rouge);
        if (m && m->activites())
            m->activites()->ReactionEchec();
        return;
    }
    montrerPanneau(Vert);
    if (!m)
        return;
    // A rhyme rebuilt is marked done (1). The guest's results are never kept.
    ListeningSeries::storeScoreOrReport(m->data(), ctx().messageBox(), ctx().general(), 1);
    if (m->activites())
        m->activites()->ReactionSucces();
}

// ---- dragging ----

bool Comptine::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonRelease) {
        for (int k = 1; k <= NbVers(); ++k)
            if (watched == Etiquette.at(k))
                return glisser(k, static_cast<QMouseEvent*>(event));
    }
    return Form::eventFilter(watched, event);
}

bool Comptine::glisser(int k, QMouseEvent* event) {
    FXLabel* label = Etiquette.at(k);
    const QPoint at = mapFromGlobal(event->globalPosition().toPoint());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() != Qt::LeftButton)
            return false;
        tire_ = k;
        prise_ = event->position().toPoint();
        label->raise();
        label->setCursor(Qt::ClosedHandCursor);
        return true;
    case QEvent::MouseMove:
        if (tire_ != k)
            return false;
        label->move(at - prise_);
        if (const int survole = versSous(at, k))
            survoler(k, survole);
        return true;
    case QEvent::MouseButtonRelease:
        if (tire_ != k || event->button() != Qt::LeftButton)
            return false;
        tire_ = 0;
        label->setCursor(Qt::OpenHandCursor);
        placerVers();
        if (Label1->isVisible() && Label1->geometry().contains(at))
            deposer(k);
        return true;
    default:
        return false;
    }
}

// The shown verse label under a point of the window, other than verse `sauf`; 0 for none.
int Comptine::versSous(QPoint at, int sauf) const {
    for (int i = 1; i <= NbVers(); ++i)
        if (i != sauf && Etiquette.at(i)->isVisible() && Etiquette.at(i)->geometry().contains(at))
            return i;
    return 0;
}

void Comptine::survoler(int tire, int survole) {
    if (!PretAJouer)
        return;
    ctx().general().DernierMot = survole;
    PretAJouer = false;
    jouer(RhymeOrder::verseSound(ctx().general().NumExercice, tire));
    Etiquette.at(survole)->setForeColor(Survole);
}

void Comptine::deposer(int k) {
    if (!rhyme_.drop(k))
        return;
    montrerPanneau(Violet);
    Etiquette.at(k)->hide();
}

// ---- drawing ----

void Comptine::layoutControls() {
    const int left = qMax(Twips::toPixels(RhymeOrder::Left) + WrappedWidth + Margin,
                          width() - PanelWidth - Margin);
    const int top = Twips::toPixels(RhymeOrder::FirstTop);
    const int panelHeight =
        qMax(QFontMetrics(Label1->font()).lineSpacing() * RhymeOrder::MaxVerses + 12,
             (height() - top) / 2);
    // The panel fills the room right of the verses; in a window narrower than the verses and a
    // full panel it shrinks rather than run past the window's edge.
    Label1->setGeometry(left, top, qMax(1, width() - left - Margin), panelHeight);
    const QRect room(left, top + panelHeight + Margin, Label1->width(),
                     height() - top - panelHeight - 2 * Margin);
    illustre->setGeometry(room);
    const bool tooLarge =
        illustration_.width() > room.width() || illustration_.height() > room.height();
    illustre->setPixmap(
        tooLarge && !room.isEmpty()
            ? illustration_.scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : illustration_);
}

void Comptine::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layoutControls();
}

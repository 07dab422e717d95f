#include "activities/Tierce.h"

#include "activities/Activites.h"
#include "activities/ListeningSeries.h"

#include "activities/DictationCorrection.h"
#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "pupils/SignInRules.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace {
const QString Brindel = QStringLiteral("Brindel");
const QString NoText = QStringLiteral("Il n'y a pas de texte !");
constexpr int Margin = 30;
constexpr int LineHeight = 44;
constexpr int SentenceButtons = 10;

enum Family { Repere = 2, Distingue = 3, Ecris = 4 };

QFont sentenceFont() {
    return QFont(QStringLiteral("DejaVu Sans"), 18);
}
} // namespace

Tierce::Tierce(Contexte& contexte)
    : Form(contexte, QStringLiteral("Tierce")), Text1(new QLineEdit(this)),
      Correction(new FXShape(QStringLiteral("Correction"), -1, this)),
      Corriger(new FXLabel(QStringLiteral("Corriger"), -1, this)),
      Label1Modele(new FXLabel(QStringLiteral("Label1"), 0, this)) {
    setWindowTitle(Brindel);
    buildTextControls();
    buildPuzzle();
}

Tierce::~Tierce() = default;

Tierce* Tierce::loaded(Contexte& contexte) {
    return qobject_cast<Tierce*>(contexte.forms().find(QStringLiteral("Tierce")));
}

Principale* Tierce::principale() {
    return mainWindow(ctx());
}

void Tierce::buildTextControls() {
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(sentenceFont());
    Text1->hide();
    Text1->installEventFilter(this);
    FiltreTouches::installerSur(this, ctx().general());

    Correction->setCaption(QStringLiteral("Solution"));
    Correction->setColor(SolutionColor);
    Correction->hide();
    connect(Correction, &FXShape::pressed, this, [this](int, int button, int, int, int) {
        if (button == MouseArgs::Right)
            Correction->raise();
    });
    connect(Correction, &FXShape::released, this, [this](int, int button, int, int, int) {
        if (button == MouseArgs::Left)
            corriger();
    });

    for (FXLabel* label : {Corriger, Label1Modele}) {
        label->setFont(sentenceFont());
        label->setTransparent(false);
        label->setBackColor(0xFFFFFF);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->hide();
    }
    Corriger->setForeColor(0x800000); // navy: the model sentence
}

void Tierce::buildPuzzle() {
    for (int i = 0; i < Puzzle::Pieces; ++i) {
        auto* piece = new QLabel(this);
        piece->setObjectName(QStringLiteral("Fragment(%1)").arg(i));
        piece->setScaledContents(true);
        piece->setAutoFillBackground(false);
        piece->installEventFilter(this);
        piece->hide();
        Fragment.at(static_cast<size_t>(i)) = piece;
    }
}

void Tierce::onLoad() {
    ctx().forms().unload(QStringLiteral("Seconde"));
    setBackground(QStringLiteral("\\Bitmap\\fond.jpg"));
    switch (ctx().general().ModeActivite) {
    case Repere:
        chargerPuzzle();
        break;
    case Distingue:
        setBackground(QStringLiteral("\\bitmap\\dictee.jpg"));
        break;
    case Ecris:
        setBackground(QStringLiteral("\\bitmap\\dictee1.jpg"));
        if (Principale* main = principale())
            main->useTable(Schema::Table::Compte);
        Label1Modele->hide();
        break;
    default:
        break;
    }
}

void Tierce::onActivate() {
    if (Principale* main = principale())
        main->useTable(Schema::Table::Compte);
}

void Tierce::onUnload() {
    Principale* main = principale();
    if (!main)
        return;
    main->commande(14)->hide();
    main->commande(11)->setCaption(QStringLiteral("Vrai"));
    main->commande(12)->setCaption(QStringLiteral("Faux"));
}

void Tierce::setBackground(const QString& windowsPath) {
    setBackgroundPicture(QImage(ctx().media(windowsPath)));
    update();
}

// ---- sentences ----

void Tierce::phraseChoisie(int index) {
    preparerTexte();
    chercherPhrase(index);
}

void Tierce::preparerTexte() {
    if (Text1->isHidden()) {
        Text1->clear();
        Text1->show();
        Corriger->hide();
        retirerMots();
    }
    Text1->end(false);
    Text1->setFocus();
}

void Tierce::chercherPhrase(int index) {
    Général& g = ctx().general();
    const QString numero = DictationCorrection::sentenceKey(g.Colonne, index);
    Principale* main = principale();
    if (main && !numero.isEmpty()) {
        RecordSet& rs = main->data().recordSet();
        rs.moveFirst();
        // With no matching row the previous sentence stays.
        if (rs.findFirst(Criterion::equals(Schema::Field::Numero, numero)) && !rs.noMatch())
            g.PhraseAnglaise = rs.field(Schema::Field::Textanglais).toString();
    }
    const bool autrePhrase = index != g.DernierMot;
    phraseIndex_ = index;
    g.PhraseOrigine = g.PhraseAnglaise;
    if (g.ModeActivite == Distingue && autrePhrase) {
        Text1->setReadOnly(true);
        Text1->setText(DictationCorrection::runTogether(g.PhraseAnglaise));
        Correction->show();
    } else if (g.ModeActivite == Ecris && autrePhrase) {
        Correction->show();
    }
    Text1->end(false);
}

bool Tierce::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && ctx().general().ModeActivite == Distingue) {
        // Only a single left click edits the sentence: the release that ends a double click
        // and the other buttons do nothing.
        const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
        switch (mouse ? event->type() : QEvent::None) {
        case QEvent::MouseButtonDblClick:
            doubleClic_ = true;
            return true;
        case QEvent::MouseButtonRelease:
            if (mouse->button() != Qt::LeftButton)
                return true;
            if (!std::exchange(doubleClic_, false))
                QTimer::singleShot(0, this, &Tierce::separerMots);
            break;
        case QEvent::MouseButtonPress:
            if (mouse->button() != Qt::LeftButton)
                return true;
            break;
        default:
            break;
        }
    }
    for (QLabel* piece : Fragment)
        if (watched == piece)
            return glisser(piece, event);
    return Form::eventFilter(watched, event);
}

void Tierce::separerMots() {
    if (ctx().general().ModeActivite != Distingue || Text1->text().isEmpty())
        return;
    const auto separated = DictationCorrection::separate(Text1->text(), Text1->cursorPosition());
    Text1->setText(separated.text);
    Text1->setCursorPosition(separated.caret);
}

// ---- correction ----

void Tierce::corriger() {
    Général& g = ctx().general();
    Correction->setPressedLook();
    Text1->hide();
    const QString answer = Text1->text().trimmed();
    Text1->setText(answer);
    if (answer.isEmpty()) {
        ctx().messageBox().show(NoText, MsgBox::OkOnly | MsgBox::Exclamation, Brindel);
        Correction->clearPressedLook();
        return;
    }
    const QString model = g.PhraseOrigine;
    Corriger->setCaption(model);
    const DictationCorrection::Verdict verdict = DictationCorrection::correct(answer, model);
    if (!verdict.counted) {
        Correction->clearPressedLook();
        return;
    }
    montrerMots(verdict.words, verdict.colours);
    Corriger->show();
    juger(verdict.right);
    if (g.Reussites + g.Erreurs >= SentenceButtons)
        enregistrerScore();
    if (FXShape* button = boutonPhrase()) {
        button->setAnswered(true);
        button->setEnabled(false);
    }
    Correction->clearPressedLook();
    Correction->hide();
    Corriger->show();
}

void Tierce::retirerMots() {
    while (!Label1.isEmpty())
        delete Label1.takeLast();
    ctx().general().NbFragments = 0;
}

void Tierce::montrerMots(const QStringList& words, const QList<unsigned>& colours) {
    retirerMots();
    const QFontMetrics metrics(Label1Modele->font());
    int left = Label1Modele->x();
    for (qsizetype k = 0; k < words.size(); ++k) {
        auto* label = new FXLabel(QStringLiteral("Label1"), int(k + 1), this);
        label->setFont(Label1Modele->font());
        label->setTransparent(Label1Modele->isTransparent());
        label->setBackColor(Label1Modele->backColor());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setCaption(words.at(k));
        label->setForeColor(colours.at(k));
        const int width = metrics.horizontalAdvance(words.at(k)) + 4;
        label->setGeometry(left, Label1Modele->y(), width, Label1Modele->height());
        left += width;
        label->show();
        Label1 << label;
    }
    ctx().general().NbFragments = int(Label1.size());
}

FXShape* Tierce::boutonPhrase() const {
    Principale* main = mainWindow(const_cast<Tierce*>(this)->ctx());
    if (!main || phraseIndex_ < 0 || phraseIndex_ >= SentenceButtons)
        return nullptr;
    return main->commande(phraseIndex_);
}

void Tierce::juger(bool right) {
    Général& g = ctx().general();
    if (right)
        ++g.Reussites;
    else
        ++g.Erreurs;
    if (FXShape* button = boutonPhrase())
        button->setColor(right ? Right : Wrong);
    reagir(right);
}

void Tierce::reagir(bool success) {
    Principale* main = principale();
    if (!main)
        return;
    if (success)
        main->activites()->ReactionSucces();
    else
        main->activites()->ReactionEchec();
}

void Tierce::focusAnswer() {
    Text1->setFocus();
}

void Tierce::revealPiece(int piece) {
    // The pieces are revealed in order: piece n comes with right answer n + 1.
    Q_ASSERT(piece == ctx().general().Reussites - 1);
    Q_UNUSED(piece);
    montrerFragment();
}

void Tierce::enregistrerScore() {
    Général& g = ctx().general();
    Principale* main = principale();
    // The score is the number of sentences right; the data control goes back to the
    // sentence table, where the next sentences are read.
    if (main)
        ListeningSeries::storeScoreOrReport(main->data(), ctx().messageBox(), g, g.Reussites);
    g.Reussites = 0;
    g.Erreurs = 0;
    if (main)
        if (auto* timer = main->findChild<QTimer*>(QStringLiteral("Timer4")))
            timer->start();
}

// ---- puzzle board ----

void Tierce::chargerPuzzle() {
    if (Principale* main = principale()) {
        main->commande(11)->setCaption(QStringLiteral("Oui"));
        main->commande(12)->setCaption(QStringLiteral("Non"));
    }
    const QString path = QStringLiteral("\\Bitmap\\puzz1%1.Bmp").arg(ctx().general().NumExercice);
    Clip = QImage(ctx().media(path));
    puzzle_.build();
    montrerPieces();
    for (QLabel* piece : Fragment)
        piece->show();
}

void Tierce::viderFragments() {
    puzzle_.empty();
    montrerPieces();
}

void Tierce::montrerFragment() {
    puzzle_.reveal(ctx().general().Reussites);
    montrerPieces();
}

void Tierce::finirSerie() {
    if (!puzzle_.endSeries(ctx().general().Erreurs, *ctx().platform().random))
        return;
    placerPieces();
    montrerPieces();
    for (QLabel* piece : Fragment) {
        piece->setCursor(Qt::OpenHandCursor);
        piece->show();
    }
}

void Tierce::montrerPieces() {
    const int cellWidth = Clip.width() / Puzzle::Side;
    const int cellHeight = Clip.height() / Puzzle::Side;
    for (int i = 0; i < Puzzle::Pieces; ++i) {
        QLabel* piece = Fragment.at(static_cast<size_t>(i));
        const int cell = puzzle_.cell(i);
        if (cell == Puzzle::NoCell || Clip.isNull()) {
            piece->clear();
        } else {
            const QRect area((cell % Puzzle::Side) * cellWidth, (cell / Puzzle::Side) * cellHeight,
                             cellWidth, cellHeight);
            piece->setPixmap(QPixmap::fromImage(Clip.copy(area)));
        }
        piece->setFrameStyle(puzzle_.bordered(i) ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        piece->setLineWidth(1);
        if (!puzzle_.draggable())
            piece->unsetCursor();
    }
}

void Tierce::placerPieces() {
    const int side = qBound(60, (qMin(width(), height()) - 2 * Margin) / Puzzle::Side, 180);
    const QPoint origin((width() - side * Puzzle::Side) / 2, (height() - side * Puzzle::Side) / 2);
    for (int i = 0; i < Puzzle::Pieces; ++i) {
        const int place = puzzle_.place(i);
        Fragment.at(static_cast<size_t>(i))
            ->setGeometry(origin.x() + (place % Puzzle::Side) * side,
                          origin.y() + (place / Puzzle::Side) * side, side, side);
    }
}

bool Tierce::glisser(QLabel* piece, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!puzzle_.draggable() || !(press || event->type() == QEvent::MouseButtonRelease))
        return false;
    const int index = int(std::find(Fragment.begin(), Fragment.end(), piece) - Fragment.begin());
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (press && mouse->button() == Qt::LeftButton) {
        pieceTiree_ = index;
        piece->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (press || mouse->button() != Qt::LeftButton || pieceTiree_ != index)
        return false;
    pieceTiree_ = -1;
    piece->setCursor(Qt::OpenHandCursor);
    QWidget* under = childAt(piece->mapTo(this, mouse->position().toPoint()));
    const auto target = std::find(Fragment.begin(), Fragment.end(), under);
    if (target != Fragment.end() && puzzle_.swap(index, int(target - Fragment.begin())))
        montrerPieces();
    return true;
}

// ---- drawing ----

void Tierce::layoutControls() {
    const int width = this->width() - 2 * Margin;
    Text1->setGeometry(Margin, Margin, width, LineHeight);
    Correction->setGeometry(Margin, Margin + LineHeight + 16, 150, LineHeight);
    Corriger->setGeometry(Margin, Margin + 2 * LineHeight + 32, width, LineHeight);
    Label1Modele->setGeometry(Margin, Margin + 3 * LineHeight + 48, width, LineHeight);
    int left = Label1Modele->x();
    for (FXLabel* label : Label1) {
        label->move(left, Label1Modele->y());
        left += label->width();
    }
    placerPieces();
}

void Tierce::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layoutControls();
}

#include "activities/Quizz.h"

#include "activities/Exercices.h"
#include "data/DataControl.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"

#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr int BoutonAction = 13;
// The background picture is pale: titles, verdict and score are written in dark colours on it,
// the question and the answers in light ones on dark bands.
constexpr unsigned Blanc = 0xFFFFFF;
constexpr unsigned BleuNuit = 0x400000;
constexpr unsigned BleuTitre = 0x803A10;
constexpr unsigned Encre = 0x401808;
constexpr unsigned VertFonce = 0x008000;
const QString Titre = QStringLiteral("QUIZZ");

// The labels draw '&' as a mnemonic marker; a question or an answer shows it as typed.
QString tel(const QString& text) {
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

QFont police(int points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"), points);
    font.setBold(bold);
    return font;
}
} // namespace

Quizz::Quizz(Contexte& contexte)
    : Form(contexte, QStringLiteral("Quizz")), Data1(new DataControl(this)),
      question(new FXLabel(QStringLiteral("question"), -1, this)),
      Label2(new FXLabel(QStringLiteral("Label2"), -1, this)),
      Label3(new FXLabel(QStringLiteral("Label3"), -1, this)), Timer1(new QTimer(this)),
      serie_(contexte.general(), *contexte.platform().random) {
    setWindowTitle(QStringLiteral("Quizz"));
    setMouseTracking(true);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setSuppressErrors(true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PauseMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Quizz::finDePause);
    buildControls();
}

Quizz::~Quizz() = default;

void Quizz::buildControls() {
    static const std::array<QString, 7> titres{QStringLiteral("Score"),
                                               QStringLiteral("Question"),
                                               QStringLiteral("Quelle est la bonne réponse ?"),
                                               {},
                                               {},
                                               {},
                                               QStringLiteral("Solution")};
    for (size_t i = 0; i < FXLabel1.size(); ++i) {
        auto* titre = new FXLabel(QStringLiteral("FXLabel1"), int(i), this);
        titre->setCaption(titres.at(i));
        titre->setFont(police(20, true));
        titre->setForeColor(BleuTitre);
        titre->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FXLabel1.at(i) = titre;
    }
    for (FXLabel* texte : {question, Label2, Label3}) {
        texte->setFont(police(22, true));
        texte->setForeColor(Encre);
        texte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    question->setForeColor(Blanc);
    question->setTransparent(false);
    question->setBackColor(BleuNuit);
    question->hide();
    for (size_t i = 0; i < Label1.size(); ++i) {
        auto* reponse = new FXLabel(QStringLiteral("Label1"), int(i), this);
        reponse->setFont(police(22, true));
        reponse->setForeColor(Repos);
        reponse->setTransparent(false);
        reponse->setBackColor(BleuNuit);
        reponse->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        reponse->setCursor(Qt::PointingHandCursor);
        reponse->installEventFilter(this);
        reponse->hide();
        connect(reponse, &FXLabel::mouseMoved, this, [this](int index) { survolReponse(index); });
        connect(reponse, &FXLabel::clicked, this, &Quizz::repondre);
        Label1.at(i) = reponse;

        auto* coche = new QCheckBox(this);
        coche->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        coche->hide(); // read by the code only
        Check1.at(i) = coche;
    }
}

void Quizz::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layoutControls();
}

void Quizz::layoutControls() {
    const int w = width();
    const int h = height();
    const int marge = w / 20;
    const int large = w - 2 * marge;
    const int ligne = std::max(40, h / 12);
    FXLabel1[1]->setGeometry(marge, h / 20, large, ligne);
    question->setGeometry(marge, h / 20 + ligne, large, ligne * 2);
    FXLabel1[2]->setGeometry(marge, h * 6 / 20 + ligne / 2, large, ligne);
    for (size_t i = 0; i < Label1.size(); ++i)
        Label1.at(i)->setGeometry(marge * 2, h * 8 / 20 + int(i) * (ligne + ligne / 4) + ligne / 2,
                                  large - 2 * marge, ligne);
    FXLabel1[6]->setGeometry(marge, h * 15 / 20, large / 4, ligne);
    Label2->setGeometry(marge + large / 4, h * 15 / 20, large * 3 / 4, ligne);
    FXLabel1[0]->setGeometry(marge, h * 17 / 20, large / 4, ligne);
    Label3->setGeometry(marge + large / 4, h * 17 / 20, large * 3 / 4, ligne);
    for (size_t i : {size_t(3), size_t(4), size_t(5)})
        FXLabel1.at(i)->setGeometry(0, 0, 0, 0);
}

// ---- load and activation ----

void Quizz::onLoad() {
    ctx().forms().unload(QStringLiteral("Seconde"));
    ctx().platform().random->randomize();
    ouvrirTable();
    EntrerActivite(ctx());
    setBackgroundPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\fond.jpg"))));
    connecterAction();
    if (serie_.canPlay())
        return;
    // Too few questions the child could answer: no series can start.
    if (MainPanels* main = mainPanels(ctx()))
        main->commande(BoutonAction)->hide();
    ctx().messageBox().show(serie_.refusalMessage(), MsgBox::Information, Titre);
}

void Quizz::ouvrirTable() {
    Général& g = ctx().general();
    const bool programme =
        ctx().settings().read(Options::Configuration, QStringLiteral("quizz")) == Options::Vrai;
    Data1->setDatabaseName(g.CheminBase);
    Data1->setRecordSource(programme ? Schema::Table::Quizz1 : Schema::Table::Quizz2);
    Data1->refresh();
    RecordSet& rs = Data1->recordSet();
    g.NbQuestions = QString::number(rs.recordCount());
    serie_.setQuestions(QuizSeries::readAll(rs));
    rs.moveFirst();
}

void Quizz::connecterAction() {
    MainPanels* main = mainPanels(ctx());
    if (!main)
        return;
    connect(main->commande(BoutonAction), &FXShape::clicked, this, [this] {
        if (ctx().general().ModeActivite == Exercices::FamilleQuizz)
            demarrerSerie();
    });
}

void Quizz::onActivate() {
    for (FXLabel* titre : FXLabel1)
        titre->update();
}

// ---- a series ----

void Quizz::demarrerSerie() {
    if (!serie_.canPlay())
        return;
    serie_.startSeries();
    afficherQuestion();
    if (MainPanels* main = mainPanels(ctx()))
        main->commande(BoutonAction)->hide();
    Label2->setCaption(QString());
    Label3->setCaption(QString());
    reposerReponses();
    setEnabled(true);
    montrerQuestion(true);
}

void Quizz::afficherQuestion() {
    const QuizQuestion& q = serie_.current();
    question->setCaption(tel(q.question));
    QuizSeries::locate(Data1->recordSet(), q);
    for (size_t i = 0; i < Label1.size(); ++i) {
        Label1.at(i)->setCaption(tel(q.reponses.at(i)));
        Check1.at(i)->setChecked(q.valides.at(i));
    }
}

void Quizz::montrerQuestion(bool visible) {
    question->setVisible(visible);
    for (FXLabel* reponse : Label1)
        reponse->setVisible(visible);
}

void Quizz::repondre(int index) {
    if (Timer1->isActive() || !Label1.at(static_cast<size_t>(index))->isVisible())
        return;
    const QuizSeries::Verdict verdict = serie_.answer(index);
    Label2->setCaption(verdict.right ? QStringLiteral("Bonne réponse") : tel(verdict.solution));
    Label2->setForeColor(verdict.right ? VertFonce : Encre);
    if (MainPanels* main = mainPanels(ctx()))
        main->teacherReaction(verdict.right);
    Label3->setCaption(serie_.scoreText());
    // No second answer until the next question.
    setEnabled(false);
    Timer1->start();
}

void Quizz::finDePause() {
    Timer1->stop();
    Label2->setCaption(QString());
    surReponse_ = false;
    if (serie_.next())
        afficherQuestion();
    setEnabled(true);
    reposerReponses();
    if (MainPanels* main = mainPanels(ctx()))
        main->compterReussite();
}

void Quizz::endOfQuizSeries() {
    montrerQuestion(false);
    serie_.endSeries();
}

// ---- the pointer over the answers ----

void Quizz::survolReponse(int index) {
    if (surReponse_)
        return;
    Label1.at(static_cast<size_t>(index))->setForeColor(Survol);
    PlayEffect(ctx(), 2);
    surReponse_ = true;
}

void Quizz::mouseMoveEvent(QMouseEvent* event) {
    if (surReponse_) {
        reposerReponses();
        surReponse_ = false;
    }
    Form::mouseMoveEvent(event);
}

void Quizz::reposerReponses() {
    for (FXLabel* reponse : Label1)
        reponse->setForeColor(Repos);
}

bool Quizz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        PlayEffect(ctx(), 3);
    return Form::eventFilter(watched, event);
}

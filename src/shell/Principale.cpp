#include "shell/Principale.h"

#include "shell/CheminCourt.h"

#include "activities/Activites.h"
#include "activities/Seconde.h"
#include "data/DataControl.h"
#include "data/DatabaseLocation.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "shell/CheminCourt.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Navigation.h"
#include "shell/Routines.h"
#include "shell/StartupReport.h"
#include "shell/Twips.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "shell/controls/FXVid.h"
#include "shell/controls/MouseArgs.h"
#include "sound/Effects.h"
#include "sound/MciInterpreter.h"
#include "sound/RecordingFile.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

// The loudspeaker of the sound panel: a picture that reports clicks, double clicks, right
// clicks and the pointer moving over it.
class HautParleur : public QLabel {
    Q_OBJECT
public:
    explicit HautParleur(QWidget* parent) : QLabel(parent) {
        setObjectName(QStringLiteral("Image2"));
        setMouseTracking(true);
    }
signals:
    void leftReleased();
    void doubleClicked();
    void rightPressed();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            emit leftReleased();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton)
            emit rightPressed();
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { emit doubleClicked(); }
    void mouseMoveEvent(QMouseEvent*) override { emit hovered(); }
};

namespace {

const QString Brindel = QStringLiteral("Brindel");
constexpr int VideoHelpTopic = 200;
constexpr int LoudspeakerHelpTopic = 201;

// Pictures of the activity buttons: one emoji per family.
QPixmap activityPicture(int index) {
    static const char* const emojis[] = {"👀", "👂", "🧩", "✂️", "✏️", "🎵", "🌐", "❓"};
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(34);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::fromUtf8(emojis[index]));
    return picture;
}

QPixmap loudspeakerPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(24);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("🔊"));
    return picture;
}

QWidget* panel(const QString& name, QWidget* parent, unsigned bgr) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(fromBgr(bgr)));
    widget->setPalette(palette);
    return widget;
}

} // namespace

Principale* mainWindow(Contexte& contexte) {
    return qobject_cast<Principale*>(contexte.forms().find(QStringLiteral("Principale")));
}

MainPanels* mainPanels(Contexte& contexte) {
    return mainWindow(contexte);
}

Principale::Principale(Contexte& contexte)
    : Form(contexte, QStringLiteral("Principale")), documentArea_(new QMdiArea(this)),
      Picture1(panel(QStringLiteral("Picture1"), this, 0x6B4A1E)),
      Picture2(panel(QStringLiteral("Picture2"), this, 0x7A3A12)),
      Picture3(panel(QStringLiteral("Picture3"), this, 0x6B4A1E)),
      Picture4(panel(QStringLiteral("Picture4"), this, 0x7A3A12)) {
    setWindowTitle(Brindel);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    documentArea_->setObjectName(QStringLiteral("MDIArea"));
    documentArea_->setBackground(QColor(0x2a, 0x5d, 0x8a));
    contexte.forms().setDocumentArea(documentArea_);

    buildNavigationBar();
    buildActivityBar();
    buildActivityPanel();
    buildSoundPanel();
    buildTimers();

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(Picture3);
    middle->addWidget(documentArea_, 1);
    middle->addWidget(Picture1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture2);
    layout->addLayout(middle, 1);
    layout->addWidget(Picture4);
    activites_ = new Activites(contexte, *this);
}

Principale::~Principale() = default;

void Principale::buildNavigationBar() {
    Picture2->setFixedHeight(56);
    auto* bar = new QHBoxLayout(Picture2);
    bar->setContentsMargins(10, 6, 10, 6);
    Etiquette0 = new FXLabel(QStringLiteral("Etiquette"), 0, Picture2);
    Etiquette0->setCaption(Brindel);
    Etiquette0->setForeColor(0x00FFFF);
    Etiquette0->setTransparent(true);
    Etiquette0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont title(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    Etiquette0->setFont(title);
    Etiquette0->setMouseTracking(true);
    connect(Etiquette0, &FXLabel::mouseMoved, this, [this] {
        if (!ctx().general().VideoEnCours)
            playTeacherFrames(124, 135);
    });
    bar->addWidget(Etiquette0, 1);
    const QStringList captions{"Studio",   "Score",  "Lexique", "Aide",
                               "Consigne", "Retour", "Quitter"};
    for (int i = 8; i <= 14; ++i) {
        auto* button = new FXShape(QStringLiteral("Bouton"), i, Picture2);
        button->setCaption(captions.at(i - 8));
        button->setColor(i == 14 ? 0x3030C0 : 0xC08040);
        button->setFixedSize(104, 42);
        button->hide();
        Bouton[static_cast<size_t>(i)] = button;
        bar->addWidget(button);
    }
}

void Principale::buildActivityBar() {
    Picture3->setFixedWidth(76);
    auto* column = new QVBoxLayout(Picture3);
    column->setContentsMargins(6, 10, 6, 10);
    column->setSpacing(8);
    for (int i = 0; i <= 7; ++i) {
        auto* button = new FXShape(QStringLiteral("Bouton"), i, Picture3);
        button->setPicture(activityPicture(i));
        button->setColor(0x40C0FF);
        button->setFixedSize(64, 64);
        button->hide();
        Bouton[static_cast<size_t>(i)] = button;
        column->addWidget(button);
    }
    column->addStretch(1);
    for (FXShape* button : Bouton) {
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse, int, int, int) { boutonPressed(index, mouse); });
        connect(button, &FXShape::clicked, this, &Principale::boutonClicked);
    }
}

void Principale::buildActivityPanel() {
    Picture1->setFixedWidth(210);
    FXVid1 = new FXVid(QStringLiteral("FXVid1"), Picture1);
    FXVid1->setGeometry(25, Twips::toPixels(60), 160, 200);
    FXVid1->hide();
    connect(FXVid1, &FXVid::playEnded, this, &Principale::endOfTeacherAnimation);
    connect(FXVid1, &FXVid::moved, this, [this] {
        if (!ctx().general().VideoEnCours)
            playTeacherFrames(84, 94);
    });
    connect(FXVid1, &FXVid::pressed, this, [this](int button) {
        if (button == MouseArgs::Right)
            ctx().platform().help->showTopicPopup(VideoHelpTopic, FXVid1);
    });

    for (int i = 0; i <= 9; ++i) {
        auto* word = new FXShape(QStringLiteral("Commande"), i, Picture1);
        word->setGeometry(10 + (i % 2) * 98, 270 + (i / 2) * 40, 92, 34);
        word->hide();
        Commande[static_cast<size_t>(i)] = word;
    }
    const struct {
        int index;
        const char* caption;
        QRect place;
    } answers[] = {{11, "Vrai", {10, 480, 92, 34}},
                   {12, "Faux", {108, 480, 92, 34}},
                   {13, "Action", {10, 524, 190, 38}},
                   {14, "Ecouter", {10, 568, 190, 34}}};
    for (const auto& answer : answers) {
        auto* button = new FXShape(QStringLiteral("Commande"), answer.index, Picture1);
        button->setCaption(QString::fromUtf8(answer.caption));
        button->setGeometry(answer.place);
        button->setColor(0xC0C0C0);
        button->hide();
        Commande[static_cast<size_t>(answer.index)] = button;
    }
    const char* const rhymeCaptions[] = {"Terminer", "Arrêter", "Ecouter", "Démarrer"};
    for (int i = 0; i <= 3; ++i) {
        auto* button = new FXShape(QStringLiteral("Comptines"), i, Picture1);
        button->setCaption(QString::fromUtf8(rhymeCaptions[i]));
        button->setGeometry(10 + (i % 2) * 98, 480 + (i / 2) * 44, 92, 38);
        button->hide();
        Comptines[static_cast<size_t>(i)] = button;
    }
}

void Principale::buildSoundPanel() {
    Picture4->setFixedHeight(48);
    auto* row = new QHBoxLayout(Picture4);
    row->setContentsMargins(10, 4, 10, 4);
    Image2 = new HautParleur(Picture4);
    Image2->setPixmap(loudspeakerPicture());
    Slider1 = new QSlider(Qt::Horizontal, Picture4);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setFixedWidth(180);
    Slider1->hide();
    Label1 = new FXLabel(QStringLiteral("Label1"), -1, Picture4);
    Label1->setForeColor(0xFFFFFF);
    Label1->setTransparent(true);
    Label1->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
    Label1->hide();
    row->addWidget(Image2);
    row->addWidget(Slider1);
    row->addWidget(Label1, 1);

    Sonore1 = new FXSnd(QStringLiteral("Sonore1"), ctx().platform().audio->createChannel(), this);
    Data1 = new DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    // The main window's data control never shows an error of its own.
    Data1->setSuppressErrors(true);

    connect(Image2, &HautParleur::leftReleased, Slider1, &QWidget::show);
    connect(Image2, &HautParleur::doubleClicked, Slider1, &QWidget::hide);
    connect(Image2, &HautParleur::rightPressed, this,
            [this] { ctx().platform().help->showTopicPopup(LoudspeakerHelpTopic, Image2); });
    connect(Image2, &HautParleur::hovered, this, [this] {
        if (!ctx().general().VideoEnCours)
            playTeacherFrames(94, 104);
    });
    connect(Slider1, &QSlider::sliderReleased, Slider1, &QWidget::hide);
    connect(Slider1, &QSlider::sliderPressed, this, [this] { Slider1->setMaximum(VolumeMaximum); });
    connect(Slider1, &QSlider::valueChanged, this, &Principale::volumeChanged);
}

void Principale::buildTimers() {
    const struct {
        QTimer* timer;
        const char* name;
        int interval;
    } timers[] = {{&Timer1, "Timer1", 500},
                  {&Timer2, "Timer2", 1},
                  {&Timer3, "Timer3", 500},
                  {&Timer4, "Timer4", 1000}};
    for (const auto& t : timers) {
        t.timer->setObjectName(QString::fromLatin1(t.name));
        t.timer->setInterval(t.interval);
        t.timer->setParent(this);
    }
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        ctx().effects().playFile(ctx().media(QStringLiteral("\\Mcison\\son7.wav")));
    });
    connect(&Timer2, &QTimer::timeout, this, [this] {
        Timer2.stop();
        PlayEffect(ctx(), 5);
    });
    connect(&Timer3, &QTimer::timeout, this, [this] {
        Timer3.stop();
        ctx().forms().show(QStringLiteral("Apropos"), FormRegistry::ShowMode::Modal);
    });
    connect(&Timer4, &QTimer::timeout, this, [this] {
        Sonore1->setFileName(ctx().media(QStringLiteral("\\mcison\\son9.wav")));
        Sonore1->setCommand(FXSnd::Play);
        Timer4.stop();
    });
}

void Principale::onLoad() {
    Général& g = ctx().general();
    Options::applyStartupDefaults(ctx().settings());
    const QSize screen = ctx().platform().screen->screenSize();
    if (screen.isValid())
        setGeometry(0, 0, screen.width(), screen.height());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    g.ModeActivite = Navigation::NoActivity;
    loadEffectSounds(g, ctx().programFolder());
    ctx().platform().help->setHelpFile(ctx().media(QStringLiteral("\\Brin.hlp")));
    Slider1->setMaximum(VolumeMaximum);
    Slider1->setPageStep(VolumeMaximum / 10);
    Slider1->setValue(Sonore1->volume());
    ctx().forms().unload(QStringLiteral("Accueil"));
    locateDatabase();
}

void Principale::locateDatabase() {
    const DatabaseLocation::Outcome outcome = DatabaseLocation::locate(
        ctx().settings(), *ctx().platform().fileDialog, ctx().messageBox(),
        *ctx().platform().quitter, ctx().programFolder(), *Data1, this, ctx().userDataFolder());
    if (!outcome.opened) {
        QApplication::restoreOverrideCursor();
        return;
    }
    ctx().general().CheminBase = outcome.path;
    ctx().forms().show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised);
    StartupReport::signInShown();
    Timer1.start();
    Sonore1->setCommand(FXSnd::Reset);
}

void Principale::onActivate() {
    Etiquette0->show();
    useTable(Schema::Table::Gestion);
    switch (ctx().general().ModeActivite) {
    case 0:
    case 1:
        useTable(Schema::Table::Imagier);
        break;
    case 3:
    case 4:
    case 5:
        useTable(Schema::Table::Compte);
        break;
    default:
        break;
    }
    ctx().forms().unload(QStringLiteral("Accueil"));
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    Label1->update();
    Bouton[14]->show();
}

QTimer* Principale::timer(int number) {
    QTimer* const timers[] = {&Timer1, &Timer2, &Timer3, &Timer4};
    return number >= 1 && number <= 4 ? timers[number - 1] : nullptr;
}

QWidget* Principale::hautParleur() const {
    return Image2;
}

void Principale::desarmerReponses() {
    activites_->DesarmerReponses();
}

void Principale::useTable(const QString& table) {
    Data1->setRecordSource(table);
    Data1->refresh();
}

void Principale::boutonPressed(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    PlayEffect(ctx(), index <= 6 ? 6 : 1);
    if (index <= 7) {
        ctx().general().ModeActivite = index;
        Timer2.start();
    }
}

void Principale::boutonClicked(int index) {
    if (index >= 8)
        navigate(index);
    else
        activityClicked(index);
}

void Principale::navigate(int index) {
    FormRegistry& forms = ctx().forms();
    const auto open = [&forms](const QString& name) {
        forms.show(name, FormRegistry::ShowMode::Maximised);
    };
    switch (index) {
    case 8:
        open(QStringLiteral("Visu"));
        break;
    case 9:
        if (ctx().general().NomChoisi == QStringLiteral("Invité"))
            ctx().messageBox().show(
                QStringLiteral("Il faut s'inscrire pour accéder aux résultats."),
                MsgBox::Information, Brindel);
        else
            open(QStringLiteral("Recompense"));
        break;
    case 10:
        if (ctx().settings().read(Options::Configuration, Options::Verrouillage) != Options::Faux)
            ctx().messageBox().show(
                QStringLiteral("Pas d'accès possible sans oter le verrouillage."),
                MsgBox::Information, QStringLiteral("Lexique"));
        else
            open(QStringLiteral("Lexique"));
        break;
    case 11:
        Timer3.start();
        break;
    case 12:
        Consigne();
        break;
    case 13:
        Retour();
        break;
    case 14:
        close();
        break;
    default:
        break;
    }
}

void Principale::Consigne() {
    const Général& g = ctx().general();
    const auto* seconde = qobject_cast<Seconde*>(ctx().forms().find(QStringLiteral("Seconde")));
    const Navigation::Situation situation{!Bouton[0]->isHidden(),
                                          seconde && !seconde->listPicture()->isHidden(),
                                          g.ModeActivite, !Commande[13]->isHidden(), g.NumExercice};
    const int topic = Navigation::consigneTopic(situation);
    if (topic != 0)
        ctx().platform().help->showTopicPopup(topic, Bouton[12]);
    Bouton[12]->setProperty("helpTopic", Navigation::ConsigneDefaultTopic);
}

void Principale::Retour() {
    Général& g = ctx().general();
    FormRegistry& forms = ctx().forms();
    if (g.ModeStudio) {
        forms.unload(QStringLiteral("Visu"));
        return;
    }
    g.NumExercice = 0;
    g.PhaseQuestion = false;
    FXVid1->setCommand(FXVid::Leave);
    if (!g.EnExercice) {
        g.EnExercice = true;
        EntrerActivite(ctx());
        forms.show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised);
        for (int i = 8; i <= 13; ++i)
            Bouton[static_cast<size_t>(i)]->hide();
        Label1->clearPicture();
    } else {
        g.EnExercice = false;
        g.DernierSon.clear();
        auto* seconde = qobject_cast<Seconde*>(
            forms.show(QStringLiteral("Seconde"), FormRegistry::ShowMode::Maximised));
        for (const char* name : {"Tierce", "Comptine", "Quizz", "Visu"})
            forms.unload(QString::fromLatin1(name));
        g.NbFragments = g.IndexFragment = g.Reussites = g.Erreurs = 0;
        g.PhaseQuestion = false;
        MasquerPanneau(ctx());
        Commande[13]->setCaption(QStringLiteral("Action"));
        Bouton[8]->hide();
        for (int i = 0; i <= 7; ++i)
            Bouton[static_cast<size_t>(i)]->show();
        if (seconde) {
            seconde->exercisePicture()->setEnabled(true);
            seconde->exercisePicture()->hide();
            seconde->setBackground(ctx().media(QStringLiteral("\\Bitmap\\Brin.Jpg")));
        }
    }
    Etiquette0->setCaption(Brindel);
    Commande[13]->hide();
    FXVid1->hide();
}

void Principale::activityClicked(int index) {
    Général& g = ctx().general();
    if (index == Navigation::QuizFamily) {
        startQuiz();
        return;
    }
    auto* seconde = qobject_cast<Seconde*>(ctx().forms().get(QStringLiteral("Seconde")));
    if (index == Navigation::WebVisitFamily) {
        g.NumExercice = 59;
        seconde->setBackground(ctx().media(QStringLiteral("\\Bitmap\\Brin.Jpg")));
        seconde->listPicture()->hide();
        ctx().forms().show(QStringLiteral("Internet"), FormRegistry::ShowMode::Maximised);
        return;
    }
    const Navigation::ActivityFamily* family = Navigation::activityFamily(index);
    if (index == 4)
        useTable(Schema::Table::Compte);
    Etiquette0->setCaption(family->title);
    seconde->setBackground(ctx().media(family->background));
    seconde->listPicture()->show();
    seconde->setList(ctx().media(family->listPicture), ctx().media(family->hotspotFile));
    if (family->showsWordLabel)
        Label1->setVisible(ctx().settings().read(Options::Configuration, Options::Texte) ==
                           Options::Vrai);
}

void Principale::startQuiz() {
    Général& g = ctx().general();
    g.Colonne = QStringLiteral("Quizz");
    g.NumExercice = 60;
    g.EnExercice = true;
    Commande[13]->setCaption(QStringLiteral("Action"));
    Etiquette0->setCaption(QStringLiteral("Quizz"));
    useTable(Navigation::quizTable(ctx().settings().read(Options::Configuration, Options::Quizz)));
    RecordSet& records = Data1->recordSet();
    if (!records.bof() || !records.eof())
        records.moveLast();
    const int count = records.recordCount();
    g.NbQuestions = QString::number(count);
    if (count >= Navigation::MinimumQuizRecords) {
        ctx().forms().show(QStringLiteral("Quizz"), FormRegistry::ShowMode::Maximised);
        return;
    }
    ctx().messageBox().show(Navigation::quizRefusalMessage(), MsgBox::Information,
                            QStringLiteral("QUIZZ"));
    useTable(Schema::Table::Gestion);
    Timer2.stop();
    g.EnExercice = false;
}

void Principale::Profette() {
    const Général& g = ctx().general();
    ctx().effects().playFile(ctx().media(QStringLiteral("\\mcison\\son8.wav")));
    const int top = g.NumExercice == 3 && !g.PhaseQuestion ? 600 : 60;
    FXVid1->move(FXVid1->x(), Twips::toPixels(top));
    FXVid1->setFileName(ctx().media(QStringLiteral("\\Prof.Avi")));
    FXVid1->setCommand(FXVid::Open);
    FXVid1->show();
    FXVid1->setStartFrame(0);
    FXVid1->setEndFrame(14);
    FXVid1->setCommand(FXVid::PlayRange);
}

void Principale::teacherReaction(bool success) {
    if (success)
        activites_->ReactionSucces();
    else
        activites_->ReactionEchec();
}

void Principale::compterReussite() {
    activites_->CompterReussite();
}

void Principale::playTeacherFrames(int from, int to) {
    ctx().general().VideoEnCours = true;
    FXVid1->setStartFrame(from);
    FXVid1->setEndFrame(to);
    FXVid1->setCommand(FXVid::PlayRange);
}

void Principale::endOfTeacherAnimation() {
    ctx().general().VideoEnCours = false;
    FXVid1->setCommand(FXVid::End);
}

void Principale::volumeChanged(int value) {
    Slider1->setPageStep(Slider1->maximum() / 10);
    Sonore1->setVolume(value);
    ctx().setVolume(value);
}

bool Principale::onQueryUnload() {
    if (ctx().messageBox().show(Navigation::QuitQuestion, Navigation::QuitQuestionFlags, Brindel) !=
        MsgBox::Yes)
        return false;
    for (const char* command : {"stop sound", "close sound", "stop capture", "close capture"})
        ctx().mci().send(QString::fromLatin1(command));
    QFile::remove(ctx().media(QStringLiteral("\\enregist.tmp")));
    RecordingFile::remove();
    EffacerCheminsCourts();
    ctx().quit(0);
    return true;
}

#include "Principale.moc"

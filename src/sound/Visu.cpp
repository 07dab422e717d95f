#include "sound/Visu.h"

#include "data/Options.h"
#include "data/SettingsStore.h"
#include "platform/MessageBox.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"
#include "sound/MciInterpreter.h"
#include "sound/Pronunciation.h"
#include "sound/RecordingFile.h"
#include "sound/StudioMaths.h"
#include "sound/WaveBox.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>

namespace {

using StudioMaths::BoxHeight;
using StudioMaths::BoxWidth;

const QString Brindel = QStringLiteral("Brindel");
constexpr int InnerWidth = 6855;
constexpr int InnerHeight = 5340;
constexpr int BoxLeft = 330;
constexpr std::array<int, 3> BoxTop{0, 390, 2355};
constexpr int FrameTop = 4125;
constexpr int FrameHeight = 1050;
constexpr int ButtonTop = 270;

constexpr unsigned Black = 0;
constexpr unsigned TitleColour = 0x800000; // navy, readable on the pale background
constexpr unsigned Yellow = 0xFFFF;
constexpr unsigned Blue = 0xFF0000;
constexpr std::array<unsigned, 3> DrawColour{0, 0xFF00, 0xFFFF00};
constexpr std::array<unsigned, 3> FillColour{0, 0xC0FFC0, 0xFFFFC0};
constexpr std::array<unsigned, 6> IdleColour{0x4000, 0x4000, 0x404000, 0x404000, 0x404000, 0x4040};
constexpr std::array<unsigned, 6> LitColour{0xFF00, 0xFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF};
const std::array<QString, 3> NormalTitle{QString(), QStringLiteral("Modèle"),
                                         QStringLiteral("Enregistrement")};
const std::array<QString, 3> SelectionTitle{QString(), QStringLiteral("Sélection du modèle"),
                                            QStringLiteral("Sélection de l'enregistrement")};

QRect twipsRect(int left, int top, int width, int height) {
    return {Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
            Twips::toPixels(height)};
}

} // namespace

Visu::Visu(Contexte& contexte)
    : Form(contexte, QStringLiteral("Visu")), spectro_(contexte.mci(), *contexte.platform().clock) {
    setWindowTitle(QStringLiteral("Studio"));
    setMinimumSize(Twips::toPixels(QSize(InnerWidth, InnerHeight)));
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(20);
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setParent(this);
    Timer2.setInterval(10000);
    connect(&Timer1, &QTimer::timeout, this, [this] { spectro_.PlaybackTick(*this); });
    connect(&Timer2, &QTimer::timeout, this, &Visu::recordingLimit);
    buildBoxes();
    buildFrames();
    Etoiles = new QLabel(this);
    Etoiles->setObjectName(QStringLiteral("Etoiles"));
    Etoiles->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Etoiles->setWordWrap(true);
    Etoiles->setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    Etoiles->setStyleSheet(QStringLiteral("color: #b06000; background: transparent;"));
    // Right of the recording box, clear of its title, which grows while a stretch is selected.
    Etoiles->setGeometry(twipsRect(BoxLeft + BoxWidth + 240, BoxTop[2], 4200, BoxHeight));
}

Visu::~Visu() = default;

void Visu::buildBoxes() {
    for (int box = 1; box <= 2; ++box) {
        auto* shape = new QWidget(this);
        shape->setObjectName(QStringLiteral("Shape1(%1)").arg(box - 1));
        shape->setGeometry(
            twipsRect(BoxLeft, BoxTop[box], BoxWidth, BoxHeight).adjusted(-3, -3, 3, 3));
        shape->setAutoFillBackground(true);
        QPalette palette = shape->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(fromBgr(DrawColour[box])));
        shape->setPalette(palette);
        Shape1[box - 1] = shape;

        auto* wave = new WaveBox(box, this);
        wave->setGeometry(twipsRect(BoxLeft, BoxTop[box], BoxWidth, BoxHeight));
        connect(wave, &WaveBox::pressed, this,
                [this](int i, int button, int x, int) { boxPressed(i, button, x); });
        connect(wave, &WaveBox::moved, this,
                [this](int i, int button, int x, int) { boxMoved(i, button, x); });
        connect(wave, &WaveBox::released, this,
                [this](int i, int button, int x, int) { boxReleased(i, button, x); });
        Picture1[box] = wave;

        auto* title = new FXLabel(QStringLiteral("Label1"), box, this);
        title->setTransparent(true);
        title->setForeColor(TitleColour);
        title->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
        title->setGeometry(twipsRect(BoxLeft, BoxTop[box] - 330, BoxWidth, 300));
        Label1[box] = title;
        setNormalView(box);
    }
}

void Visu::buildFrames() {
    const std::array<QString, 3> captions{
        QStringLiteral("Modèle"), QStringLiteral("Enregistrement"), QStringLiteral("Retour")};
    const std::array<int, 3> lefts{300, 2310, 5535};
    const std::array<int, 3> widths{2025, 3240, 975};
    for (int i = 0; i < 3; ++i) {
        auto* frame = new QGroupBox(captions[i], this);
        frame->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        frame->setGeometry(twipsRect(lefts[i], FrameTop, widths[i], FrameHeight));
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { color: #000080; font-weight: bold; border: 1px solid #c0c0c0;"
            " border-radius: 4px; margin-top: 8px; background: rgba(0,0,0,90); }"
            " QGroupBox::title { subcontrol-origin: margin; left: 8px; }"
            " QGroupBox:disabled { color: #808080; }"));
        Frame1[i] = frame;
    }
    placeButton(0, Frame1[0], 330, QStringLiteral("Arrêter"), 0, QStringLiteral("Arrêter"));
    placeButton(1, Frame1[0], 1155, QStringLiteral("Ecouter"), 5, QStringLiteral("Ecouter"));
    placeButton(2, Frame1[1], 450, QStringLiteral("Enregistrer"), 6, QStringLiteral("Enregistrer"));
    placeButton(3, Frame1[1], 1400, QStringLiteral("Arrêter"), 3, QStringLiteral("Arrêter"));
    placeButton(4, Frame1[1], 2350, QStringLiteral("Ecouter"), 4, QStringLiteral("Ecouter"));
    placeButton(5, Frame1[2], 232, QStringLiteral("Quitter le studio"), 7,
                QStringLiteral("Quitter"));
}

void Visu::placeButton(int button, QWidget* frame, int left, const QString& caption, int labelIndex,
                       const QString& label) {
    const QSize size = button == 5 ? QSize(510, 495) : QSize(540, 465);
    auto* shape = new FXShape(QStringLiteral("Command1"), button, frame);
    shape->setGeometry(twipsRect(left, ButtonTop, size.width(), size.height()));
    shape->setToolTip(caption);
    shape->setAccessibleName(caption);
    connect(shape, &FXShape::pressed, this, [this](int i, int mouse, int, int, int) {
        if (mouse == MouseArgs::Left)
            commandPressed(i);
    });
    connect(shape, &FXShape::clicked, this, &Visu::commandClicked);
    Command1[static_cast<size_t>(button)] = shape;
    idleButton(button);

    auto* text = new FXLabel(QStringLiteral("Label1"), labelIndex, frame);
    text->setCaption(label);
    text->setTransparent(true);
    text->setForeColor(0xFFFFFF);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setGeometry(
        twipsRect(left - 240, ButtonTop + size.height() + 15, size.width() + 480, 270));
    Label1[static_cast<size_t>(labelIndex)] = text;
}

void Visu::onLoad() {
    ctx().general().ModeStudio = true;
    prepareMainWindow();
    setBackgroundPicture(QImage(ctx().media(QStringLiteral("\\Bitmap\\fond.jpg"))));
    spectro_.RecordingPath = RecordingFile::path();
    spectro_.SaveCommand = QStringLiteral("save capture ") + spectro_.RecordingPath;
    charge(1);
}

void Visu::onActivate() {
    for (FXShape* button : Command1)
        button->show();
}

void Visu::prepareMainWindow() {
    Général& g = ctx().general();
    MainPanels* main = mainPanels(ctx());
    if (!main)
        return;
    for (int i = 8; i <= 14; ++i) {
        main->bouton(i)->setColor(0xE0E0E0);
        main->bouton(i)->setState(FXShape::Muted);
    }
    main->commande(13)->setColor(0xC0C0C0);
    main->motAnglais()->hide();
    savedTitle_ = main->titre()->caption();
    main->titre()->setCaption(QStringLiteral("Studio"));
    if (g.ModeActivite == 1 || g.ModeActivite == 2)
        main->desarmerReponses();
}

void Visu::onUnload() {
    restoreMainWindow();
    spectro_.CloseAllSound();
    ctx().general().ModeStudio = false;
}

void Visu::restoreMainWindow() {
    Général& g = ctx().general();
    MainPanels* main = mainPanels(ctx());
    if (!main)
        return;
    for (int i = 8; i <= 14; ++i) {
        main->bouton(i)->setColor(0xFFFF);
        main->bouton(i)->setState(FXShape::Restored);
    }
    main->commande(13)->setColor(0xFFFF);
    main->titre()->setCaption(savedTitle_);
    main->motAnglais()->setVisible(ctx().settings().read(Options::Configuration, Options::Texte) ==
                                   Options::Vrai);
    const int n = g.NumExercice;
    if ((n >= 1 && n <= 12) || n == 17 || n == 18) {
        main->bouton(8)->hide();
    } else if (g.ModeActivite == 3 || g.ModeActivite == 4) {
        g.DernierMot = 20;
    } else if (g.ModeActivite == 5) {
        for (int i : {0, 3}) {
            main->comptines(i)->setEnabled(true);
            main->comptines(i)->setColor(0xFFFF);
        }
    }
}

void Visu::charge(int box) {
    spectro_.LoadWave(box == 1 ? ctx().general().DernierSon : spectro_.RecordingPath);
    const size_t i = box == 1 ? 1 : 2;
    if (spectro_.SelStartPm[i] != 0 || spectro_.SelEndPm[i] != 0) {
        spectro_.StretchFrom = StudioMaths::sampleAt(spectro_.SelStartPm[i], spectro_.SampleCount);
        spectro_.StretchTo = StudioMaths::sampleAt(spectro_.SelEndPm[i], spectro_.SampleCount);
    } else {
        spectro_.StretchFrom = 0;
        spectro_.StretchTo = spectro_.SampleCount;
    }
    DrawWaves(box);
}

void Visu::DrawWaves(int box) {
    if (spectro_.CurrentWave == 0)
        spectro_.CurrentWave = 1;
    WaveBox* wave = Picture1[box == 1 ? 1 : 2];
    const bool silent =
        box == 2 && recordingMade_ &&
        !(spectro_.WaveLoaded &&
          StudioMaths::holdsSound(spectro_.WaveData, spectro_.WaveFormat.blockAlign));
    wave->setBand(std::nullopt);
    wave->setMessage(silent ? NoSoundMessage : QString());
    wave->setLevels(silent ? QVector<int>() : StudioMaths::waveLevels(spectro_));
}

// Press on a button: the pressed look and the frames of the other functions disabled before
// the click acts.
void Visu::commandPressed(int button) {
    setBothBoxesEnabled(false);
    lightButton(button);
    switch (button) {
    case 0:
        idleButton(1);
        setFrameEnabled(1, true);
        setFrameEnabled(2, true);
        break;
    case 1:
        setFrameEnabled(1, false);
        setFrameEnabled(2, false);
        break;
    case 2:
    case 4:
        setFrameEnabled(0, false);
        setFrameEnabled(2, false);
        break;
    case 3:
        idleButton(2);
        idleButton(4);
        setButtonEnabled(4, true);
        setFrameEnabled(0, true);
        setFrameEnabled(2, true);
        break;
    default:
        break;
    }
}

void Visu::commandClicked(int button) {
    switch (button) {
    case 0:
        stopModel();
        break;
    case 1:
        listenModel();
        break;
    case 2:
        record();
        break;
    case 3:
        stopRecording();
        break;
    case 4:
        listenRecording();
        break;
    case 5:
        quitStudio();
        break;
    default:
        break;
    }
}

void Visu::stopModel() {
    spectro_.CloseAllSound();
    Picture1[1]->setCursorX(Spectro::CursorParked);
    idleButton(0);
    setBothBoxesEnabled(true);
}

void Visu::listenModel() {
    spectro_.CurrentWave = 1;
    charge(1);
    spectro_.FileToPlay = ctx().general().DernierSon;
    spectro_.PlayStretch(*this);
}

void Visu::record() {
    spectro_.CurrentWave = 2;
    Picture1[2]->setLevels({});
    Picture1[2]->setMessage(QString());
    Etoiles->clear();
    spectro_.StretchTo = spectro_.SampleCount;
    resetSelection(2);
    setNormalView(2);
    spectro_.CloseAllSound();
    spectro_.StartRecording(*this);
    setBothBoxesEnabled(false);
    setButtonEnabled(3, true);
    setButtonEnabled(4, false);
}

void Visu::stopRecording() {
    spectro_.StopRecording();
    recordingMade_ = true;
    Timer1.stop();
    Timer2.stop();
    setButtonEnabled(2, true);
    idleButton(3);
    setButtonEnabled(3, true);
    setButtonEnabled(4, true);
    setBothBoxesEnabled(true);
    Picture1[2]->setCursorX(Spectro::CursorParked);
    charge(2);
    showStars();
}

// Compares the recording with the model word and shows one to three stars, or says why the
// take cannot be judged. The teacher may hide the stars for the whole class.
void Visu::showStars() {
    Etoiles->clear();
    // A box that already says no sound was heard needs no second message.
    if (!Picture1[2]->message().isEmpty() ||
        ctx().settings().read(Options::Configuration, Options::Etoiles) == Options::Faux)
        return;
    auto soundOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? Pronunciation::soundOfWave(file.readAll())
                                              : std::nullopt;
    };
    const auto model = soundOf(ctx().general().DernierSon);
    const auto take = soundOf(spectro_.RecordingPath);
    if (!model || !take)
        return;
    const auto verdict =
        Pronunciation::judge(model->samples, model->rate, take->samples, take->rate);
    if (verdict.outcome != Pronunciation::Outcome::Stars) {
        Etoiles->setText(verdict.message);
        return;
    }
    const QString stars =
        QString(verdict.stars, QChar(0x2605)) + QString(3 - verdict.stars, QChar(0x2606));
    Etoiles->setText(stars + QStringLiteral("  ") + verdict.message);
}

void Visu::listenRecording() {
    spectro_.StopRecording();
    Timer2.stop();
    spectro_.CurrentWave = 2;
    idleButton(2);
    setButtonEnabled(2, false);
    spectro_.FileToPlay = spectro_.RecordingPath;
    charge(2);
    spectro_.PlayStretch(*this);
}

void Visu::quitStudio() {
    idleButton(5);
    for (int box = 1; box <= 2; ++box)
        resetSelection(box);
    for (const char* command : {"stop capture", "close capture", "stop sound", "close sound"})
        ctx().mci().send(QString::fromLatin1(command));
    ctx().forms().unload(formName());
}

// Timer2: ten seconds of recording are the most a take may last.
void Visu::recordingLimit() {
    spectro_.StopRecording();
    recordingMade_ = true;
    Timer1.stop();
    Timer2.stop();
    setButtonEnabled(2, true);
    for (int button : {2, 3, 4})
        idleButton(button);
    Picture1[2]->setCursorX(Spectro::CursorParked);
    setButtonEnabled(3, false);
    setButtonEnabled(4, false);
    setFrameEnabled(0, true);
    setFrameEnabled(2, true);
    setBothBoxesEnabled(true);
    ctx().messageBox().show(TimeUpMessage, MsgBox::OkOnly, Brindel);
}

void Visu::boxPressed(int box, int button, int x) {
    if (button != MouseArgs::Left)
        return;
    spectro_.CurrentWave = box;
    Picture1[box]->setCursorX(Spectro::CursorParked);
    charge(box);
    boxes_[box].pressX = x;
    boxes_[box].pressPm = StudioMaths::thousandths(x, BoxWidth);
}

void Visu::boxMoved(int box, int button, int x) {
    if (!(button & MouseArgs::Left) || boxes_[box].selectionView)
        return;
    Picture1[box]->setBand(std::make_pair(boxes_[box].pressX, x));
}

void Visu::boxReleased(int box, int button, int x) {
    if (button != MouseArgs::Left)
        return;
    const auto selection = boxes_[box].selectionView
                               ? std::nullopt
                               : StudioMaths::selectionOnRelease(boxes_[box].pressX, x);
    if (selection) {
        setSelectionView(box);
        spectro_.SelStartPm[box] = selection->startPm;
        spectro_.SelEndPm[box] = selection->endPm;
        spectro_.SelStartX[box] = selection->startX;
        spectro_.SelEndX[box] = selection->endX;
        spectro_.StretchFrom = StudioMaths::sampleAt(selection->startPm, spectro_.SampleCount);
        spectro_.StretchTo = StudioMaths::sampleAt(selection->endPm, spectro_.SampleCount);
    } else {
        setNormalView(box);
        spectro_.StretchFrom = 0;
        spectro_.StretchTo = spectro_.SampleCount;
        resetSelection(box);
    }
    DrawWaves(box);
}

void Visu::setNormalView(int box) {
    boxes_[box].selectionView = false;
    Picture1[box]->setDrawColour(DrawColour[box]);
    Picture1[box]->setBackColour(Black);
    Picture1[box]->setCursorColour(Yellow);
    Label1[box]->setCaption(NormalTitle[box]);
}

void Visu::setSelectionView(int box) {
    boxes_[box].selectionView = true;
    Label1[box]->setCaption(SelectionTitle[box]);
    Picture1[box]->setCursorColour(Blue);
    Picture1[box]->setBackColour(FillColour[box]);
    Picture1[box]->setDrawColour(Black);
}

void Visu::resetSelection(int box) {
    spectro_.SelStartPm[box] = spectro_.SelEndPm[box] = 0;
    spectro_.SelStartX[box] = spectro_.SelEndX[box] = 0;
}

void Visu::lightButton(int button) {
    setButtonLook(button, LitColour[static_cast<size_t>(button)], FXShape::Lit);
}

void Visu::idleButton(int button) {
    setButtonLook(button, IdleColour[static_cast<size_t>(button)], FXShape::Idle);
}

void Visu::setBothBoxesEnabled(bool enabled) {
    setBoxEnabled(1, enabled);
    setBoxEnabled(2, enabled);
}

void Visu::setPlaybackTimerEnabled(bool enabled) {
    enabled ? Timer1.start() : Timer1.stop();
}

void Visu::setRecordingTimerEnabled(bool enabled) {
    enabled ? Timer2.start() : Timer2.stop();
}

void Visu::setCursorX(int box, double x) {
    Picture1[box == 1 ? 1 : 2]->setCursorX(x);
}

void Visu::clearOverlay(int box) {
    Picture1[box == 1 ? 1 : 2]->setBand(std::nullopt);
}

void Visu::setButtonLook(int button, quint32 colour, int state) {
    Command1[static_cast<size_t>(button)]->setColor(colour);
    Command1[static_cast<size_t>(button)]->setState(state);
}

void Visu::setButtonEnabled(int button, bool enabled) {
    Command1[static_cast<size_t>(button)]->setEnabled(enabled);
}

void Visu::setFrameEnabled(int frame, bool enabled) {
    Frame1[static_cast<size_t>(frame)]->setEnabled(enabled);
}

void Visu::setBoxEnabled(int box, bool enabled) {
    Picture1[box == 1 ? 1 : 2]->setEnabled(enabled);
}

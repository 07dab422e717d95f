#include "periphery/Internet.h"

#include "periphery/Browser.h"
#include "platform/ProgramFolder.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/StartupChecks.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QUrl>

namespace {
// The tile of the band: a warm square with a lighter corner, so the tiling shows as a pattern.
QPixmap bandTile() {
    QPixmap tile(Internet::TileSize, Internet::TileSize);
    tile.fill(QColor(0x2a, 0x5d, 0x8a));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x35, 0x6e, 0xa0));
    painter.drawEllipse(QRectF(6, 6, 40, 40));
    return tile;
}

// Repaints the main window's activity and navigation buttons once the visit has closed.
void repaintMainButtons(Contexte& contexte) {
    MainPanels* main = mainPanels(contexte);
    if (!main)
        return;
    for (int i = 1; i <= 7; ++i)
        if (FXShape* button = main->bouton(i))
            button->update();
}
} // namespace

Internet::Internet(Contexte& contexte)
    : Form(contexte, QStringLiteral("Internet")), Browser_(new Browser(this)),
      Adresse(new QComboBox(this)), Picture1(bandTile()) {
    setWindowTitle(QStringLiteral("La visite d'") + StartupChecks::ProductTitle);
    Browser_->setObjectName(QStringLiteral("Browser"));
    connect(Browser_, &Browser::navigationComplete, this, &Internet::navigationComplete);

    Adresse->setObjectName(QStringLiteral("Adresse"));
    Adresse->setEditable(true);
    Adresse->setInsertPolicy(QComboBox::NoInsert);
    Adresse->setMaxVisibleItems(15);
    connect(Adresse, &QComboBox::activated, this, [this] { navigateTo(Adresse->currentText()); });
    FiltreTouches::installerSur(this, contexte.general());
    Adresse->lineEdit()->installEventFilter(this);

    timTimer.setObjectName(QStringLiteral("timTimer"));
    timTimer.setInterval(5);
    connect(&timTimer, &QTimer::timeout, this, [this] {
        if (!Browser_->busy())
            timTimer.stop();
    });
    makeButtons();
}

void Internet::makeButtons() {
    const char* const captions[] = {"Accueil", "Quitter", "Suivant", "Précédent", "Actualiser"};
    const unsigned colours[] = {0x40A040, 0x4040C0, 0xC08040, 0xC08040, 0x40A0C0};
    for (int i = 0; i < 5; ++i) {
        auto* button = new FXShape(QStringLiteral("Bouton"), i, this);
        button->setCaption(QString::fromUtf8(captions[i]));
        button->setColor(colours[i]);
        button->hide();
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { buttonPressed(index, mouse); });
        connect(button, &FXShape::clicked, this, [this](int index) { buttonClicked(index); });
        Bouton[static_cast<size_t>(i)] = button;
    }
}

void Internet::onLoad() {
    const QString page =
        ProgramFolder::resolve(ctx().programFolder(), QStringLiteral("\\webdoc\\Index.htm"));
    // Kept as the address the browser reports for it, so that the list holds it once.
    startAddress_ = QUrl::fromLocalFile(page).toString();
    if (!startAddress_.isEmpty()) {
        Adresse->setEditText(startAddress_);
        navigateTo(startAddress_);
    }
    for (FXShape* button : Bouton) {
        button->show();
        button->update();
    }
    updateButtonStates();
}

bool Internet::onQueryUnload() {
    return ctx().messageBox().show(QStringLiteral("Tu veux quitter La Visite ?"),
                                   MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                                   QStringLiteral("Quitter")) == MsgBox::Yes;
}

void Internet::onUnload() {
    timTimer.stop();
    Browser_->stop();
    // The main window outlives this one: its buttons are repainted a second after.
    Contexte& contexte = ctx();
    if (MainPanels* main = mainPanels(contexte))
        if (FXShape* anchor = main->bouton(1))
            QTimer::singleShot(1000, anchor, [&contexte] { repaintMainButtons(contexte); });
}

bool Internet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Adresse->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            navigateTo(Adresse->currentText());
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void Internet::navigateTo(const QString& address) {
    if (address.trimmed().isEmpty())
        return;
    timTimer.start();
    Browser_->navigate(address);
}

void Internet::navigationComplete() {
    const QString location = Browser_->locationUrl();
    if (!location.isEmpty()) {
        const int previous = Adresse->findText(location, Qt::MatchFixedString);
        if (previous >= 0)
            Adresse->removeItem(previous);
        Adresse->insertItem(0, location);
        // Selecting by program does not emit activated, so no new navigation starts.
        Adresse->setCurrentIndex(0);
    }
    updateButtonStates();
}

void Internet::updateButtonStates() {
    Bouton[Forward]->setEnabled(Browser_->canGoForward());
    Bouton[Back]->setEnabled(Browser_->canGoBack());
}

void Internet::buttonPressed(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    PlayEffect(ctx(), 1);
    Bouton[static_cast<size_t>(index)]->setPressedLook();
}

void Internet::buttonClicked(int index) {
    Bouton[static_cast<size_t>(index)]->clearPressedLook();
    QCoreApplication::processEvents();
    switch (index) {
    case Home:
        navigateTo(startAddress_);
        break;
    case Quit:
        ctx().forms().unload(formName());
        break;
    case Forward:
        timTimer.start();
        Browser_->goForward();
        break;
    case Back:
        timTimer.start();
        Browser_->goBack();
        break;
    case Refresh:
        timTimer.start();
        Browser_->refresh();
        break;
    }
}

void Internet::resizeEvent(QResizeEvent* event) {
    const int buttonWidth = 110;
    for (int i = 0; i < 5; ++i)
        Bouton[static_cast<size_t>(i)]->setGeometry(8 + i * (buttonWidth + 6), 6, buttonWidth,
                                                    BandHeight - 12);
    const int addressLeft = 8 + 5 * (buttonWidth + 6) + 6;
    Adresse->setGeometry(addressLeft, 12, qMax(120, width() - addressLeft - 10), BandHeight - 24);
    Browser_->setGeometry(0, BandHeight, width(), qMax(0, height() - BandHeight));
    Form::resizeEvent(event);
}

void Internet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int x = 0; x < width(); x += TileSize)
        for (int y = 0; y < height(); y += TileSize)
            painter.drawPixmap(x, y, Picture1);
}

#include "pupils/Inscription.h"

#include "activities/Seconde.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "data/TextFold.h"
#include "pupils/SignInRules.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/Routines.h"
#include "shell/StartupReport.h"
#include "shell/Twips.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <algorithm>

using namespace SignInRules;
using Schema::Field::Groupe;
using Schema::Field::Motdepasse;
using Schema::Field::Nom;

namespace {
constexpr int Image1HelpTopic = 210;

QListWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setStyleSheet(QStringLiteral(
        "QListWidget { background: rgb(27, 86, 31); color: rgb(0, 255, 0);"
        " font: bold 13pt 'DejaVu Sans'; border: 2px solid #0b3a0e; }"
        "QListWidget::item:selected { background: rgb(0, 140, 60); color: white; }"));
    list->setCursor(Qt::PointingHandCursor);
    list->viewport()->installEventFilter(parent);
    return list;
}

QLineEdit* makePassword(const QString& name, int maxLength, const char* colour, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(27, 86, 31); color: %1;"
                       " font: bold 14pt 'DejaVu Sans'; border: 2px solid #0b3a0e; }")
            .arg(QString::fromLatin1(colour)));
    return edit;
}
} // namespace

Inscription::Inscription(Contexte& contexte)
    : Form(contexte, QStringLiteral("Inscription")), List1(makeList(QStringLiteral("List1"), this)),
      Combo1(makeList(QStringLiteral("Combo1"), this)),
      Text1(makePassword(QStringLiteral("Text1"), 3, "rgb(0, 192, 192)", this)),
      Text2(makePassword(QStringLiteral("Text2"), 10, "rgb(255, 255, 0)", this)),
      Image1(new FXLabel(QStringLiteral("Image1"), -1, this)), board_(new QWidget(this)) {
    board_->setObjectName(QStringLiteral("Planche"));
    board_->resize(660, 580);
    setWindowTitle(QStringLiteral("Inscription"));
    setBackgroundPicture(QImage(contexte.media(QStringLiteral("\\Bitmap\\fond.jpg"))));

    const char* const captions[] = {"Mot de passe", "Recherche par groupe", "Mot de Passe"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new FXLabel(QStringLiteral("FXLabel1"), i, this);
        label->setCaption(QString::fromUtf8(captions[i]));
        label->setForeColor(0x602010);
        label->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
        FXLabel1[static_cast<size_t>(i)] = label;
    }
    const char* const buttons[] = {"", "Je veux m'inscrire", "Départ", "Gestionnaire"};
    const unsigned colours[] = {0, 0x40A040, 0x2080E0, 0x806040};
    for (int i = 1; i <= 3; ++i) {
        auto* button = new FXShape(QStringLiteral("FXShape1"), i, this);
        button->setCaption(QString::fromUtf8(buttons[i]));
        button->setColor(colours[i]);
        connect(button, &FXShape::pressed, this, [this](int, int mouse) {
            if (mouse == MouseArgs::Left)
                PlayEffect(ctx(), 1);
        });
        connect(button, &FXShape::released, this,
                [this](int index, int mouse) { buttonReleased(index, mouse); });
        FXShape1[static_cast<size_t>(i)] = button;
    }
    Image1->setTransparent(true);
    Image1->setCursor(Qt::WhatsThisCursor);
    connect(Image1, &FXLabel::clicked, this,
            [this] { ctx().platform().help->showTopicPopup(Image1HelpTopic, Image1); });

    // Management at the top, registration below, the lists in the middle, the password last,
    // on a board kept in the middle of the window.
    for (QWidget* control :
         {static_cast<QWidget*>(List1), static_cast<QWidget*>(Combo1), static_cast<QWidget*>(Text1),
          static_cast<QWidget*>(Text2), static_cast<QWidget*>(Image1)})
        control->setParent(board_);
    for (FXLabel* label : FXLabel1)
        label->setParent(board_);
    for (int i = 1; i <= 3; ++i)
        FXShape1[static_cast<size_t>(i)]->setParent(board_);
    FXLabel1[2]->setGeometry(30, 24, 130, 30);
    Text2->setGeometry(165, 22, 130, 34);
    FXShape1[3]->setGeometry(310, 16, 170, 44);
    FXShape1[1]->setGeometry(30, 80, 240, 46);
    List1->setGeometry(30, 150, 260, 340);
    FXLabel1[1]->setGeometry(310, 150, 230, 26);
    Combo1->setGeometry(310, 180, 200, 310);
    FXLabel1[0]->setGeometry(30, 516, 130, 30);
    Text1->setGeometry(165, 514, 80, 34);
    FXShape1[2]->setGeometry(265, 508, 150, 46);
    Image1->setGeometry(Twips::toPixels(4605) + 240, Twips::toPixels(930), Twips::toPixels(1170),
                        Twips::toPixels(2115));
    setTabOrder(List1, Text1);
}

RecordSet& Inscription::pupils() {
    return mainWindow(ctx())->data().recordSet();
}

void Inscription::onLoad() {
    ctx().general().EnExercice = false;
    ctx().forms().unload(QStringLiteral("Seconde"));
}

void Inscription::onActivate() {
    QApplication::restoreOverrideCursor();
    mainWindow(ctx())->useTable(Schema::Table::Gestion);
    ctx().general().NomChoisi.clear();
    fillLists();
    for (int i = 1; i <= 3; ++i)
        FXShape1[static_cast<size_t>(i)]->show();
}

void Inscription::fillLists() {
    Général& g = ctx().general();
    RecordSet& rs = pupils();
    List1->clear();
    Combo1->clear();
    QStringList names;
    QStringList groupEntries;
    if (!rs.bof() || !rs.eof()) {
        rs.moveLast();
        rs.moveFirst();
    }
    for (; rs.hasCurrent() && !rs.eof(); rs.moveNext()) {
        const QString name = rs.field(Nom).toString();
        const QString group = rs.field(Groupe).toString();
        if (name != Invite)
            names << name;
        if (!group.isEmpty())
            groupEntries << group;
    }
    sortList(names);
    List1->addItems(names);
    const Groups groups = collectGroups(groupEntries);
    if (!groupEntries.isEmpty()) {
        Combo1->addItems(groups.choices);
        g.Groupes = groups.groupes;
        g.NbGroupes = groups.nbGroupes;
    }
    if (rs.recordCount() > 0)
        Combo1->insertItem(0, TousLesGroupes);
}

bool Inscription::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Combo1->viewport())
            QMetaObject::invokeMethod(this, &Inscription::groupChosen, Qt::QueuedConnection);
        else if (watched == List1->viewport())
            QMetaObject::invokeMethod(this, &Inscription::namePicked, Qt::QueuedConnection);
    }
    return Form::eventFilter(watched, event);
}

void Inscription::groupChosen() {
    Général& g = ctx().general();
    g.NomChoisi.clear();
    List1->clear();
    const QListWidgetItem* chosen = Combo1->currentItem();
    if (!chosen || !chosen->isSelected() || chosen->text().isEmpty())
        return;
    PlayEffect(ctx(), 3);
    RecordSet& rs = pupils();
    QStringList names;
    const bool all = chosen->text() == TousLesGroupes;
    for (rs.moveFirst(); rs.hasCurrent() && !rs.eof(); rs.moveNext()) {
        if (all || foldCase(rs.field(Groupe).toString()) == foldCase(chosen->text()))
            names << rs.field(Nom).toString();
    }
    sortList(names);
    List1->addItems(names);
    Text1->clear();
    Text1->setFocus();
}

void Inscription::namePicked() {
    Général& g = ctx().general();
    const QListWidgetItem* picked = List1->currentItem();
    g.NomChoisi = picked && picked->isSelected() ? picked->text() : QString();
    if (g.NomChoisi.isEmpty())
        return;
    PlayEffect(ctx(), 3);
    RecordSet& rs = pupils();
    rs.moveFirst();
    rs.findFirst(Criterion::equals(Nom, g.NomChoisi));
    mainWindow(ctx())->titre()->setCaption(QStringLiteral("Brindel"));
    g.NomEleve = rs.noMatch() ? QString() : rs.field(Nom).toString();
    Text1->setFocus();
    Text1->setSelection(0, 3);
}

void Inscription::buttonReleased(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    QCoreApplication::processEvents();
    switch (index) {
    case 1:
        ctx().forms().show(QStringLiteral("Formulaire"), FormRegistry::ShowMode::Maximised);
        break;
    case 2:
        departClicked();
        break;
    case 3:
        gestionnaireClicked();
        break;
    default:
        break;
    }
}

void Inscription::say(const QString& text, int flags, const QString& title) {
    ctx().messageBox().show(text, flags, title);
}

void Inscription::departClicked() {
    Général& g = ctx().general();
    g.EnExercice = false;
    const QListWidgetItem* picked = List1->currentItem();
    if (!picked || !picked->isSelected()) {
        say(QStringLiteral("Clique sur ton nom dans la liste ou inscris-toi en cliquant sur le "
                           "bouton \"inscription\""));
        Text1->setFocus();
        return;
    }
    // Every pupil, the guest included, signs in with the password of the row picked.
    RecordSet& rs = pupils();
    rs.moveFirst();
    rs.findFirst(Criterion::equals(Nom, g.NomChoisi));
    const QString stored = rs.noMatch() ? QString() : rs.field(Motdepasse).toString();
    if (Text1->text().isEmpty()) {
        say(QStringLiteral("Quel est ton mot de passe ?"));
        Text1->setFocus();
        return;
    }
    if (!rs.noMatch() && pupilPasswordMatches(stored, Text1->text())) {
        Text2->clear();
        Text1->clear();
        Départ();
        return;
    }
    say(QStringLiteral("Ce n'est pas le bon mot de passe."));
    Text1->setFocus();
    Text1->selectAll();
}

void Inscription::gestionnaireClicked() {
    switch (checkManagementPassword(ctx().settings(), Text2->text())) {
    case ManagementAnswer::ShowDefaultPassword:
        say(defaultPasswordMessage(), MsgBox::Information,
            QStringLiteral("Mot de passe pour la gestion"));
        Text2->setFocus();
        Text2->setText(MotDePasseParDefaut);
        break;
    case ManagementAnswer::AskPassword:
        say(QStringLiteral("Quel est votre mot de passe ?"), MsgBox::Question,
            QStringLiteral("GESTION"));
        Text2->setFocus();
        break;
    case ManagementAnswer::OpenConsole:
        Text2->clear();
        ctx().forms().unload(formName());
        // Not modal; like every window of the document area, it fills the area (shown at its
        // natural size, the frameless console had no size at all on a real screen).
        ctx().forms().show(QStringLiteral("Gestion"), FormRegistry::ShowMode::Maximised);
        break;
    case ManagementAnswer::WrongPassword:
        say(QStringLiteral("Ce n'est pas le bon mot de passe !"), MsgBox::Critical,
            QStringLiteral("GESTION"));
        Text2->setFocus();
        Text2->selectAll();
        break;
    }
}

void Inscription::Départ() {
    Principale* principale = mainWindow(ctx());
    auto* seconde = qobject_cast<Seconde*>(ctx().forms().get(QStringLiteral("Seconde")));
    seconde->setBackground(ctx().media(QStringLiteral("\\Bitmap\\Brin.Jpg")));
    for (int i = 0; i <= 13; ++i)
        if (i != 8)
            principale->bouton(i)->show();
    ctx().forms().show(QStringLiteral("Seconde"), FormRegistry::ShowMode::Maximised);
    ctx().forms().unload(formName());
    StartupReport::signedIn(ctx().general().NomChoisi);
}

void Inscription::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    board_->move(std::max(0, (width() - board_->width()) / 2),
                 std::max(0, (height() - board_->height()) / 2));
}

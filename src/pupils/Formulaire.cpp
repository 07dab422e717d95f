#include "pupils/Formulaire.h"

#include "data/DataControl.h"
#include "data/Schema.h"
#include "pupils/Inscription.h"
#include "pupils/SignInRules.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QComboBox>
#include <QLineEdit>

using namespace SignInRules;

namespace {
const QString BoxStyle =
    QStringLiteral("background: white; color: #123; font: bold 14pt 'DejaVu Sans';"
                   " border: 2px solid #2a5d8a; border-radius: 4px;");
constexpr int NameHelpTopic = 220;
constexpr int PasswordHelpTopic = 221;
constexpr int ConfirmationHelpTopic = 222;
} // namespace

Formulaire::Formulaire(Contexte& contexte)
    : Form(contexte, QStringLiteral("Formulaire")), Combo1(new QComboBox(this)),
      FXLabel2(new FXLabel(QStringLiteral("FXLabel2"), -1, this)) {
    setWindowTitle(QStringLiteral("Formulaire d'inscription"));
    setBackgroundPicture(QImage(contexte.media(QStringLiteral("\\Bitmap\\fond.jpg"))));

    const char* const captions[] = {"Ton nom et ton prénom...", "Ton groupe...",
                                    "Ton mot de passe...", "Confirmation..."};
    for (int i = 0; i < 4; ++i) {
        auto* label = new FXLabel(QStringLiteral("FXLabel1"), i, this);
        label->setCaption(QString::fromUtf8(captions[i]));
        label->setForeColor(0x602010);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
        label->setGeometry(40, 40 + i * 80, 320, 28);
        FXLabel1[static_cast<size_t>(i)] = label;
    }
    const struct {
        int index;
        int row;
        int maxLength;
        int helpTopic;
    } boxes[] = {{1, 0, 32767, NameHelpTopic},
                 {3, 2, 3, PasswordHelpTopic},
                 {0, 3, 3, ConfirmationHelpTopic}};
    for (const auto& box : boxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text1(%1)").arg(box.index));
        edit->setMaxLength(box.maxLength);
        edit->setStyleSheet(BoxStyle);
        edit->setGeometry(40, 70 + box.row * 80, box.index == 1 ? 360 : 90, 36);
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        const int topic = box.helpTopic;
        connect(edit, &QWidget::customContextMenuRequested, this,
                [this, edit, topic] { ctx().platform().help->showTopicPopup(topic, edit); });
        if (box.index != 1)
            edit->setEchoMode(QLineEdit::Password);
        Text1[static_cast<size_t>(box.index)] = edit;
    }
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setStyleSheet(QStringLiteral("QComboBox { %1 }").arg(BoxStyle));
    Combo1->setGeometry(40, 150, 220, 36);
    connect(Combo1, &QComboBox::activated, this, [this] { PlayEffect(ctx(), 3); });
    setTabOrder(Text1[1], Combo1);
    setTabOrder(Combo1, Text1[3]);
    setTabOrder(Text1[3], Text1[0]);

    FXLabel2->setForeColor(0x00FFFF);
    FXLabel2->setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    FXLabel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FXLabel2->setGeometry(40, 370, 520, 40);

    const char* const buttons[] = {"OK", "Annuler"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new FXShape(QStringLiteral("Command1"), i, this);
        button->setCaption(QString::fromUtf8(buttons[i]));
        button->setColor(i == 0 ? 0x40A040 : 0x4040C0);
        button->setGeometry(40 + i * 170, 430, 150, 46);
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { buttonPressed(index, mouse); });
        connect(button, &FXShape::released, this,
                [this](int index, int mouse) { buttonReleased(index, mouse); });
        Command1[static_cast<size_t>(i)] = button;
    }
    FiltreTouches::installerSur(this, contexte.general());
}

void Formulaire::onLoad() {
    mainWindow(ctx())->titre()->setCaption(QStringLiteral("Formulaire d'inscription"));
    ctx().forms().unload(QStringLiteral("Inscription"));
}

void Formulaire::onActivate() {
    Général& g = ctx().general();
    for (int i = 0; i < g.NbGroupes && i < g.Groupes.size(); ++i)
        if (!g.Groupes.at(i).isEmpty())
            Combo1->addItem(g.Groupes.at(i));
    g.NbGroupes = 0;
    g.Groupes.clear();
    Combo1->setCurrentIndex(-1);
}

void Formulaire::buttonPressed(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    PlayEffect(ctx(), 1);
    Command1[static_cast<size_t>(index)]->setPressedLook(FXShape::DeepDepth);
    mainWindow(ctx())->titre()->setCaption(QStringLiteral("Brindel"));
}

void Formulaire::buttonReleased(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    if (index == 0) {
        ok();
    } else {
        ctx().forms().show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised);
        ctx().forms().unload(formName());
    }
}

void Formulaire::focusOnQuestion(const QString& question) {
    FXLabel2->setCaption(question);
    if (question == QStringLiteral("Quel est ton nom ?")) {
        Text1[1]->setFocus();
    } else if (question == QStringLiteral("Quel est ton groupe ?")) {
        Combo1->setFocus();
        Combo1->lineEdit()->setCursorPosition(0);
    } else if (question == QStringLiteral("Confirme ton mot de passe")) {
        Text1[0]->setFocus();
        Text1[0]->selectAll();
    } else {
        Text1[3]->setFocus();
    }
}

void Formulaire::ok() {
    const QString name = Text1[1]->text();
    const QString group = Combo1->currentText();
    const QString password = Text1[3]->text();
    const QString confirmation = Text1[0]->text();
    const QString question = registrationQuestion(name, group, password, confirmation);
    if (!question.isEmpty()) {
        focusOnQuestion(question);
        return;
    }
    RecordSet& rs = mainWindow(ctx())->data().recordSet();
    rs.findFirst(Criterion::equals(Schema::Field::Nom, name));
    if (!rs.noMatch()) {
        rs.moveFirst();
        ctx().messageBox().show(QStringLiteral("Ce nom existe aussi dans la liste"), 0, QString());
        return;
    }
    if (ctx().messageBox().show(registrationConfirmation(name, group),
                                MsgBox::YesNo | MsgBox::Information,
                                QStringLiteral("Inscription")) != MsgBox::Yes)
        return;
    if (!addPupil(name, group, trimSpaces(confirmation)))
        return;
    auto* signIn = qobject_cast<Inscription*>(
        ctx().forms().show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised));
    signIn->pupilPassword()->setText(trimSpaces(confirmation));
    ctx().forms().unload(formName());
}

bool Formulaire::addPupil(const QString& name, const QString& group, const QString& password) {
    Principale* principale = mainWindow(ctx());
    if (principale->data().recordSource() != Schema::Table::Gestion)
        principale->useTable(Schema::Table::Gestion);
    RecordSet& rs = principale->data().recordSet();
    const bool saved = rs.addNew() && rs.setField(Schema::Field::Nom, name) &&
                       rs.setField(Schema::Field::Motdepasse, password) &&
                       rs.setField(Schema::Field::Groupe, group) && rs.update();
    if (!saved) {
        rs.cancelUpdate();
        ctx().messageBox().show(
            QStringLiteral("Ton inscription n'a pas pu être enregistrée. Demande de l'aide à "
                           "ton enseignant, puis clique à nouveau sur \"OK\"."),
            MsgBox::Exclamation, QStringLiteral("Inscription"));
    }
    return saved;
}

void Formulaire::onUnload() {
    backToSignIn();
}

void Formulaire::backToSignIn() {
    auto* signIn = qobject_cast<Inscription*>(
        ctx().forms().show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised));
    if (signIn)
        signIn->managementPassword()->clear();
}

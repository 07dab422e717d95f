#include "teacher/Gestion.h"

#include "data/DataControl.h"
#include "data/DatabaseLocation.h"
#include "data/Options.h"
#include "data/RecordSetModel.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/MainPanels.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "teacher/ConsoleRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

using namespace ConsoleRules;
using Schema::Field::Groupe;
using Schema::Field::Motdepasse;
using Schema::Field::Nom;

namespace {
const QString Gestionnaire = QStringLiteral("Gestion");

// The pupils' table with the grid's own column captions; a write that fails is reported.
class PupilsModel : public RecordSetModel {
public:
    PupilsModel(RecordSet& rs, QObject* parent)
        : RecordSetModel(rs, {Nom, Groupe, Motdepasse}, parent), recordSet_(rs) {}
    std::function<void(const DbError&)> onWriteFailed;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const QStringList captions{QStringLiteral("Nom"), QStringLiteral("Groupe"),
                                          QStringLiteral("Mot de Passe")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < captions.size())
            return captions.at(section);
        return RecordSetModel::headerData(section, orientation, role);
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        accepted_ = false;
        const bool written = RecordSetModel::setData(index, value, role);
        if (!written && accepted_ && onWriteFailed) {
            recordSet_.cancelUpdate();
            onWriteFailed(recordSet_.lastError());
        }
        return written;
    }
    void markAccepted() { accepted_ = true; }

private:
    RecordSet& recordSet_;
    bool accepted_ = false;
};

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* passwordBox(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(10);
    return edit;
}

QString errorText(const DbError& error) {
    return QStringLiteral("Erreur: %1 %2").arg(error.code).arg(error.message);
}
} // namespace

Gestion::Gestion(Contexte& contexte)
    : Form(contexte, Gestionnaire), board_(new QWidget(this)), Data1(new DataControl(this)),
      Frame4(frame(QStringLiteral("Frame4"), QStringLiteral("Gestion des inscrits"), board_)),
      DBGrid1(new QTableView(Frame4)), Data1Bar(new QWidget(Frame4)),
      Data1Caption(new QLabel(Data1Bar)), Combo1(new QComboBox(Frame4)), Check1(nullptr),
      Check2(nullptr), Check3(nullptr), Option3(nullptr), Option4(nullptr), Text1(nullptr),
      Text2(nullptr), Text3(nullptr),
      Frame2Mode(frame(QStringLiteral("Frame2(0)"), QString(), board_)),
      Command1(new QPushButton(QStringLiteral("Connexion ..."), Frame2Mode)) {
    setWindowTitle(QStringLiteral("Gestion"));
    setBackgroundPicture(QImage(contexte.media(QStringLiteral("\\Bitmap\\fond.jpg"))));
    board_->setObjectName(QStringLiteral("Planche"));
    board_->resize(720, 560); // fits the document area beside the teacher panel
    board_->setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgba(255, 255, 240, 225); border: 2px solid #806040;"
        " border-radius: 6px; margin-top: 12px; font: bold 10pt 'DejaVu Sans'; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px;"
        " color: #603010; }"
        "QPushButton { font: bold 10pt 'DejaVu Sans'; padding: 4px; }"));
    buildGrid();
    buildOptions();
    buildPassword();
    buildButtons();
    Frame2Mode->setGeometry(418, 390, 296, 70);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(12, 26, 150, 32);
    connect(static_cast<QPushButton*>(Command1), &QPushButton::clicked, this, &Gestion::connexion);
    connect(Data1, &DataControl::errorOccurred, this,
            [this](const DbError& error) { say(errorText(error), MsgBox::OkOnly); });
    FiltreTouches::installerSur(this, contexte.general());
}

Gestion::~Gestion() = default;

void Gestion::buildGrid() {
    Frame4->setGeometry(6, 10, 404, 450);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(10, 28, 384, 290);
    model_ = new PupilsModel(Data1->recordSet(), this);
    static_cast<PupilsModel*>(model_)->onWriteFailed = [this](const DbError& error) {
        say(QStringLiteral("La modification n'a pas pu être enregistrée.\n%1")
                .arg(errorText(error)),
            MsgBox::Exclamation, EditTitle);
    };
    model_->setEditable(true);
    model_->setConfirmation([this](int row, const QString& field, const QVariant& value) {
        return confirmCell(row, field, value);
    });
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != Data1->recordSet().absolutePosition())
                    Data1->recordSet().moveTo(current.row());
            });
    connect(&Data1->recordSet(), &RecordSet::currentChanged, this, &Gestion::showRowNumber);
    connect(&Data1->recordSet(), &RecordSet::rowsChanged, this, &Gestion::showRowNumber);

    // The data control's navigation bar: first, previous, the row number, next, last.
    Data1Bar->setObjectName(QStringLiteral("Data1"));
    Data1Bar->setGeometry(10, 326, 236, 30);
    Data1Bar->setStyleSheet(QStringLiteral("background: #d8d0c0; border: 1px solid #806040;"));
    const char* const arrows[] = {"|<", "<", ">", ">|"};
    const int xs[] = {0, 32, 172, 204};
    for (int i = 0; i < 4; ++i) {
        auto* arrow = new QToolButton(Data1Bar);
        arrow->setObjectName(QStringLiteral("Data1Move(%1)").arg(i));
        arrow->setText(QString::fromLatin1(arrows[i]));
        arrow->setGeometry(xs[i], 0, 32, 30);
        connect(arrow, &QToolButton::clicked, this, [this, i] {
            RecordSet& rs = Data1->recordSet();
            if (i == 0)
                rs.moveFirst();
            else if (i == 1 && (!rs.movePrevious() || rs.bof()))
                rs.moveFirst();
            else if (i == 2 && (!rs.moveNext() || rs.eof()))
                rs.moveLast();
            else if (i == 3)
                rs.moveLast();
        });
    }
    Data1Caption->setObjectName(QStringLiteral("Data1Caption"));
    Data1Caption->setGeometry(64, 0, 108, 30);
    Data1Caption->setAlignment(Qt::AlignCenter);

    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(254, 326, 140, 30);
    connect(Combo1, &QComboBox::activated, this, [this](int) { sortChosen(); });

    auto* warning = new QLabel(
        QStringLiteral("Attention ! cette base de données n'est pas protégée en écriture. Elle "
                       "est modifiable."),
        Frame4);
    warning->setObjectName(QStringLiteral("Label2"));
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #a01010; font: bold 10pt 'DejaVu Sans';"));
    warning->setGeometry(184, 364, 212, 84);
}

void Gestion::buildOptions() {
    SettingsStore& store = ctx().settings();
    auto* lexique = frame(QStringLiteral("Frame3"), QStringLiteral("Lexique"), board_);
    lexique->setGeometry(418, 10, 144, 90);
    auto* texte = frame(QStringLiteral("Frame5"), QString(), board_);
    texte->setGeometry(418, 108, 296, 44);
    auto* quizz = frame(QStringLiteral("Frame2(1)"), QStringLiteral("Quizz"), board_);
    quizz->setGeometry(570, 10, 144, 90);
    Check2 = new QCheckBox(QStringLiteral("Verrouillage"), lexique);
    Check1 = new QCheckBox(QStringLiteral("Protection"), lexique);
    Check3 = new QCheckBox(QStringLiteral("Texte visible dans l'imagier"), texte);
    Check2->setGeometry(12, 28, 128, 24);
    Check1->setGeometry(12, 56, 128, 24);
    Check3->setGeometry(12, 12, 276, 26);
    const std::array<QCheckBox*, 3> checks{Check1, Check2, Check3};
    for (int i = 1; i <= 3; ++i) {
        QCheckBox* box = checks[static_cast<size_t>(i - 1)];
        box->setObjectName(QStringLiteral("Check%1").arg(i));
        box->setChecked(isTicked(store.read(Options::Configuration, checkBoxKey(i))));
        connect(box, &QCheckBox::clicked, this, [this, i](bool ticked) {
            ctx().settings().write(Options::Configuration, checkBoxKey(i), valueOf(ticked));
        });
    }
    Check4 = new QCheckBox(QStringLiteral("Masquer les étoiles du studio"), board_);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setGeometry(10, 522, 400, 26);
    Check4->setChecked(store.read(Options::Configuration, Options::Etoiles) == Options::Faux);
    connect(Check4, &QCheckBox::clicked, this, [this](bool ticked) {
        ctx().settings().write(Options::Configuration, Options::Etoiles,
                               ticked ? Options::Faux : Options::Vrai);
    });
    Option4 = new QRadioButton(QStringLiteral("Visite"), quizz);
    Option3 = new QRadioButton(QStringLiteral("Personnalisé"), quizz);
    Option4->setObjectName(QStringLiteral("Option4"));
    Option3->setObjectName(QStringLiteral("Option3"));
    Option4->setGeometry(12, 28, 128, 24);
    Option3->setGeometry(12, 56, 128, 24);
    (store.read(Options::Configuration, Options::Quizz) == Options::Vrai ? Option4 : Option3)
        ->setChecked(true);
    connect(Option4, &QRadioButton::clicked, this, [this] {
        ctx().settings().write(Options::Configuration, Options::Quizz, Options::Vrai);
    });
    connect(Option3, &QRadioButton::clicked, this, [this] {
        ctx().settings().write(Options::Configuration, Options::Quizz, Options::Faux);
    });
}

void Gestion::buildPassword() {
    auto* box = frame(QStringLiteral("Frame1"), QStringLiteral("Changer le mot de passe"), board_);
    box->setGeometry(418, 162, 296, 218);
    const char* const captions[] = {"Mot de passe ", "Nouveau mot de passe ",
                                    "Confirmation du mot de passe "};
    Text1 = passwordBox(QStringLiteral("Text1"), box);
    Text2 = passwordBox(QStringLiteral("Text2"), box);
    Text3 = passwordBox(QStringLiteral("Text3"), box);
    const std::array<QLineEdit*, 3> texts{Text1, Text2, Text3};
    for (int i = 0; i < 3; ++i) {
        auto* label = new FXLabel(QStringLiteral("FXLabel1"), i, box);
        label->setCaption(QString::fromUtf8(captions[i]));
        label->setForeColor(0x103060);
        label->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
        label->setTransparent(true);
        // Each caption above its box, so that the frame fits beside the pupils' grid.
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(12, 24 + 58 * i, 276, 22);
        texts[static_cast<size_t>(i)]->setGeometry(12, 46 + 58 * i, 150, 28);
        FXLabel1[static_cast<size_t>(i)] = label;
    }
}

void Gestion::buildButtons() {
    const char* const captions[] = {"&Suppression",         "&Annuler", "&OK",  "&Retour",
                                    "&Formulaire du Quizz", "&Lexique", "&Aide"};
    QWidget* password = board_->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    for (int i = 0; i < 7; ++i) {
        QWidget* parent = i == 0 ? static_cast<QWidget*>(Frame4) : i <= 2 ? password : board_;
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), parent);
        button->setObjectName(QStringLiteral("FXShape1(%1)").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { buttonReleased(i, 1); });
        FXShape1[static_cast<size_t>(i)] = button;
    }
    auto at = [this](int i, int x, int y, int w) {
        FXShape1[static_cast<size_t>(i)]->setGeometry(x, y, w, 36);
    };
    at(0, 10, 376, 165);
    at(2, 170, 158, 48);
    at(1, 222, 158, 70);
    at(3, 6, 476, 150);
    at(4, 164, 476, 220);
    at(5, 392, 476, 150);
    at(6, 550, 476, 164);
}

void Gestion::onLoad() {
    Général& g = ctx().general();
    Data1->setDatabaseName(g.CheminBase);
    Data1->setRecordSource(Schema::Table::Gestion);
    Data1->setSuppressErrors(true);
    if (!Data1->refresh()) {
        say(errorText(Data1->lastError()), MsgBox::OkOnly);
        QTimer::singleShot(0, this, [this] { ctx().forms().unload(formName()); });
        return;
    }
    Data1->setSuppressErrors(false);
    showMode();
    if (MainPanels* panels = mainPanels(ctx()))
        panels->titre()->setCaption(QStringLiteral("Brindel"));
}

void Gestion::onActivate() {
    if (Combo1->count() == 0)
        Combo1->addItems({Nom, Motdepasse, Groupe});
    Combo1->setCurrentIndex(-1);
    QApplication::restoreOverrideCursor();
    Text1->clear();
    ctx().general().NomChoisi.clear();
    RecordSet& rs = Data1->recordSet();
    if (rs.isOpen() && rs.recordCount() > 0) {
        rs.moveLast();
        rs.moveFirst();
    }
    showRowNumber();
    Text1->setFocus();
    if (ctx().settings().read(Options::Configuration, Options::MotDePasse) ==
        QStringLiteral("pivoine")) {
        Text1->setText(QStringLiteral("pivoine"));
        Text2->setFocus();
    }
}

void Gestion::onUnload() {
    if (MainPanels* panels = mainPanels(ctx()))
        panels->data().setDatabaseName(ctx().general().CheminBase);
}

int Gestion::say(const QString& text, int flags, const QString& title) {
    return ctx().messageBox().show(text, flags, title);
}

void Gestion::buttonReleased(int index, int mouse) {
    Q_UNUSED(mouse);
    FormRegistry& forms = ctx().forms();
    switch (index) {
    case 0:
        deletePupil();
        break;
    case 1:
        clearPasswords();
        break;
    case 2:
        changePassword();
        break;
    case 3:
        forms.unload(formName());
        forms.show(QStringLiteral("Inscription"), FormRegistry::ShowMode::Maximised);
        break;
    case 4:
        forms.show(QStringLiteral("Questions"), FormRegistry::ShowMode::Maximised);
        break;
    case 5:
        forms.show(QStringLiteral("Lexique"), FormRegistry::ShowMode::Modal);
        break;
    case 6:
        ctx().platform().help->showIndex(this);
        break;
    default:
        break;
    }
}

void Gestion::showRowNumber() {
    const RecordSet& rs = Data1->recordSet();
    Data1Caption->setText(QStringLiteral("n° : %1").arg(rs.absolutePosition() + 1));
    const int row = rs.hasCurrent() ? rs.absolutePosition() : -1;
    if (row >= 0 && DBGrid1->currentIndex().row() != row)
        DBGrid1->setCurrentIndex(model_->index(row, std::max(0, DBGrid1->currentIndex().column())));
}

void Gestion::sortChosen() {
    if (Combo1->currentText().isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RecordSet& rs = Data1->recordSet();
    rs.setSort(Combo1->currentText());
    const bool sorted = rs.requery();
    QApplication::restoreOverrideCursor();
    if (!sorted)
        say(errorText(rs.lastError()), MsgBox::OkOnly);
}

bool Gestion::confirmCell(int row, const QString& field, const QVariant& value) {
    RecordSet& rs = Data1->recordSet();
    QStringList others;
    for (int i = 0; i < rs.recordCount(); ++i)
        if (i != row)
            others << rs.fieldAt(i, Nom).toString();
    const QString refusal = refuseCell(field, value.toString(), others);
    if (!refusal.isEmpty()) {
        say(refusal, MsgBox::Exclamation, EditTitle);
        return false;
    }
    const bool yes = say(QStringLiteral("Voulez-vous enregistrer les modifications ?"),
                         MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                         QStringLiteral("Confirmation d'enregistrement")) == MsgBox::Yes;
    if (yes)
        static_cast<PupilsModel*>(model_)->markAccepted();
    return yes;
}

void Gestion::deletePupil() {
    RecordSet& rs = Data1->recordSet();
    const QString none = QStringLiteral("Il n'y a pas d'enregistrement à supprimer !");
    const int info = MsgBox::OkOnly | MsgBox::Information;
    if (rs.recordCount() == 0) {
        say(none, info, QStringLiteral("Suppression"));
        return;
    }
    const QString name = rs.field(Nom).toString();
    if (say(QStringLiteral("Suppression de \"%1\" ?").arg(name),
            MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
            QStringLiteral("Supprimer...")) != MsgBox::Yes)
        return;
    if (!rs.hasCurrent()) {
        say(none, info, QStringLiteral("Suppression"));
        return;
    }
    if (!rs.deleteCurrent()) {
        say(QStringLiteral("La suppression de \"%1\" a échoué : rien n'a été supprimé.\n%2")
                .arg(name, errorText(rs.lastError())),
            MsgBox::Exclamation, QStringLiteral("Suppression"));
        return;
    }
    rs.moveNext();
    if (rs.eof() && rs.recordCount() > 0)
        rs.moveFirst();
    showRowNumber();
}

void Gestion::clearPasswords() {
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

void Gestion::changePassword() {
    SettingsStore& store = ctx().settings();
    const PasswordVerdict verdict =
        ConsoleRules::changePassword(store.read(Options::Configuration, Options::MotDePasse),
                                     Text1->text(), Text2->text(), Text3->text());
    if (verdict.store) {
        if (!store.write(Options::Configuration, Options::MotDePasse, Text3->text())) {
            say(QStringLiteral("Le nouveau mot de passe n'a pas pu être enregistré. L'ancien "
                               "reste valable."),
                MsgBox::Critical, PasswordTitle);
            return;
        }
        say(verdict.text, verdict.flags, PasswordTitle);
        clearPasswords();
        return;
    }
    say(verdict.text, verdict.flags, PasswordTitle);
    QLineEdit* box = verdict.focus == PasswordBox::Old   ? Text1
                     : verdict.focus == PasswordBox::New ? Text2
                                                         : Text3;
    box->setFocus();
    if (verdict.selectAll)
        box->selectAll();
    else
        box->setCursorPosition(0);
}

void Gestion::connexion() {
    Contexte& c = ctx();
    const QString path = DatabaseLocation::askForFile(
        c.settings(), *c.platform().fileDialog, c.messageBox(), c.programFolder(), *Data1, this);
    if (path.isEmpty()) {
        // A file refused before the cancel leaves the grid on the database it had.
        if (Data1->databaseName() != c.general().CheminBase) {
            Data1->setDatabaseName(c.general().CheminBase);
            Data1->refresh();
        }
        return;
    }
    c.general().CheminBase = path;
    showMode();
}

void Gestion::showMode() {
    const QString stored = ctx().settings().read(Options::Database, Options::Path);
    const bool local =
        DatabaseLocation::isLocal(stored, ctx().programFolder(), ctx().userDataFolder());
    Frame2Mode->setTitle(local ? QStringLiteral("VALIMOR fonctionne en LOCAL")
                               : QStringLiteral("VALIMOR fonctionne en RESEAU"));
}

void Gestion::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    board_->move(std::max(0, (width() - board_->width()) / 2),
                 std::max(0, (height() - board_->height()) / 2));
}

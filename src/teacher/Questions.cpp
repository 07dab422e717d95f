#include "teacher/Questions.h"

#include "data/DataControl.h"
#include "data/Options.h"
#include "data/RecordSetModel.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "teacher/ConsoleRules.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

using namespace Schema::Field;

namespace {
const QString Ajouter = QStringLiteral("Ajouter");
const QString Modifier = QStringLiteral("Modifier");

const QStringList& textFields() {
    static const QStringList fields{Question, Reponse1, Reponse2, Reponse3};
    return fields;
}
const QStringList& checkFields() {
    static const QStringList fields{Valide1, Valide2, Valide3};
    return fields;
}
} // namespace

Questions::Questions(Contexte& contexte)
    : Form(contexte, QStringLiteral("Questions")), board_(new QWidget(this)),
      Data1(new DataControl(this)), Data1Bar(new QWidget(board_)), DBGrid1(new QTableView(board_)),
      FXLabel1(new FXLabel(QStringLiteral("FXLabel1"), -1, board_)) {
    setWindowTitle(QStringLiteral("Formulaire du Quizz"));
    setBackgroundPicture(QImage(contexte.media(QStringLiteral("\\Bitmap\\fond.jpg"))));
    board_->setObjectName(QStringLiteral("Planche"));
    board_->resize(900, 560);
    board_->setStyleSheet(QStringLiteral("QLineEdit, QCheckBox { font: 11pt 'DejaVu Sans'; }"
                                         "QCheckBox { background: rgba(255,255,240,200); }"
                                         "QPushButton { font: bold 10pt 'DejaVu Sans'; }"));
    FXLabel1->setCaption(QStringLiteral("Formulaire du Quizz"));
    FXLabel1->setForeColor(0x602010);
    FXLabel1->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
    FXLabel1->setTransparent(true);
    FXLabel1->setGeometry(10, 4, 880, 40);

    auto* label = new QLabel(QStringLiteral("Question"), board_);
    label->setObjectName(QStringLiteral("Label1"));
    label->setStyleSheet(QStringLiteral("font: bold 11pt 'DejaVu Sans'; color: #603010;"));
    label->setGeometry(10, 52, 100, 28);
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(board_);
        edit->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        edit->setGeometry(i == 0 ? 110 : 30, i == 0 ? 52 : 52 + 38 * i, i == 0 ? 780 : 640, 30);
        texts_[static_cast<size_t>(i)] = edit;
    }
    for (int i = 0; i < 3; ++i) {
        auto* check = new QCheckBox(QStringLiteral("Réponse %1").arg(i + 1), board_);
        check->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        check->setGeometry(690, 90 + 38 * i, 200, 30);
        checks_[static_cast<size_t>(i)] = check;
    }

    model_ = new RecordSetModel(Data1->recordSet(),
                                {Question, Reponse1, Reponse2, Reponse3, Valide1, Valide2, Valide3},
                                this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setGeometry(10, 250, 880, 230);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 300);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && DBGrid1->isEnabled() &&
                    current.row() != Data1->recordSet().absolutePosition())
                    Data1->recordSet().moveTo(current.row());
            });
    connect(&Data1->recordSet(), &RecordSet::currentChanged, this, &Questions::showRecord);

    Data1Bar->setObjectName(QStringLiteral("Data1"));
    Data1Bar->setGeometry(10, 206, 200, 30);
    const char* const arrows[] = {"|<", "<", ">", ">|"};
    for (int i = 0; i < 4; ++i) {
        auto* arrow = new QToolButton(Data1Bar);
        arrow->setText(QString::fromLatin1(arrows[i]));
        arrow->setGeometry(50 * i, 0, 48, 30);
        connect(arrow, &QToolButton::clicked, this, [this, i] {
            RecordSet& rs = Data1->recordSet();
            if (i == 0 || (i == 1 && (!rs.movePrevious() || rs.bof())))
                rs.moveFirst();
            else if (i == 3 || (i == 2 && (!rs.moveNext() || rs.eof())))
                rs.moveLast();
        });
    }

    const char* const captions[] = {"", "Supprimer", "Annuler", "Ajouter", "Retour", "Modifier"};
    const int xs[] = {0, 470, 580, 250, 690, 360};
    for (int i = 1; i <= 5; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), board_);
        button->setObjectName(QStringLiteral("Command%1").arg(i));
        button->setGeometry(xs[i], 500, 104, 36);
        commands_[static_cast<size_t>(i)] = button;
    }
    connect(commands_[1], &QPushButton::clicked, this, &Questions::supprimerClicked);
    connect(commands_[2], &QPushButton::clicked, this, &Questions::annulerClicked);
    connect(commands_[3], &QPushButton::clicked, this, &Questions::ajouterClicked);
    connect(commands_[4], &QPushButton::clicked, this, &Questions::retourClicked);
    connect(commands_[5], &QPushButton::clicked, this, &Questions::modifierClicked);
    commands_[2]->setEnabled(false);
    setFieldsEnabled(false);
    FiltreTouches::installerSur(this, contexte.general());
}

Questions::~Questions() = default;

int Questions::say(const QString& text, int flags, const QString& title) {
    return ctx().messageBox().show(text, flags, title);
}

void Questions::onLoad() {
    Data1->setDatabaseName(ctx().general().CheminBase);
    Data1->setRecordSource(ConsoleRules::quizTable(
        ctx().settings().read(Options::Configuration, QStringLiteral("quizz"))));
    Data1->refresh();
    RecordSet& rs = Data1->recordSet();
    if (rs.recordCount() == 0)
        setEmptyTable();
    showRecord();
}

void Questions::onActivate() {
    FXLabel1->update();
    ctx().forms().unload(QStringLiteral("Gestion"));
}

void Questions::setFieldsEnabled(bool enabled) {
    for (QLineEdit* edit : texts_)
        edit->setEnabled(enabled);
    for (QCheckBox* check : checks_)
        check->setEnabled(enabled);
}

void Questions::clearFields() {
    for (QLineEdit* edit : texts_)
        edit->clear();
    for (QCheckBox* check : checks_)
        check->setChecked(false);
}

// Shows the current record in the bound fields.
void Questions::showRecord() {
    const RecordSet& rs = Data1->recordSet();
    if (mode_ == Mode::Adding)
        return;
    for (int i = 0; i < 4; ++i)
        texts_[static_cast<size_t>(i)]->setText(rs.field(textFields().at(i)).toString());
    for (int i = 0; i < 3; ++i)
        checks_[static_cast<size_t>(i)]->setChecked(rs.field(checkFields().at(i)).toInt() != 0);
    const int row = rs.hasCurrent() ? rs.absolutePosition() : -1;
    if (row >= 0 && DBGrid1->currentIndex().row() != row)
        DBGrid1->setCurrentIndex(model_->index(row, 0));
}

void Questions::setEmptyTable() {
    for (int i : {1, 2, 5})
        commands_[static_cast<size_t>(i)]->setEnabled(false);
    commands_[4]->setEnabled(true);
}

void Questions::setBrowsing() {
    mode_ = Mode::Browsing;
    setFieldsEnabled(false);
    Data1Bar->setEnabled(true);
    DBGrid1->setEnabled(true);
    commands_[2]->setEnabled(false);
    commands_[3]->setText(Ajouter);
    commands_[5]->setText(Modifier);
    const bool empty = Data1->recordSet().recordCount() == 0;
    for (int i : {1, 5})
        commands_[static_cast<size_t>(i)]->setEnabled(!empty);
    commands_[3]->setEnabled(true);
    commands_[4]->setEnabled(true);
}

// Writes the fields into the record being added or modified, in one transaction.
bool Questions::saveFields() {
    RecordSet& rs = Data1->recordSet();
    const bool started = mode_ == Mode::Adding ? rs.addNew() : rs.edit();
    bool ok = started;
    for (int i = 0; ok && i < 4; ++i)
        ok = rs.setField(textFields().at(i), texts_[static_cast<size_t>(i)]->text());
    for (int i = 0; ok && i < 3; ++i)
        ok = rs.setField(checkFields().at(i), checks_[static_cast<size_t>(i)]->isChecked() ? 1 : 0);
    if (ok && rs.update())
        return true;
    const DbError error = rs.lastError();
    if (started)
        rs.cancelUpdate();
    say(QStringLiteral("La question n'a pas pu être enregistrée.\nErreur: %1 %2")
            .arg(error.code)
            .arg(error.message),
        MsgBox::Exclamation, QStringLiteral("Formulaire du Quizz"));
    return false;
}

void Questions::ajouterClicked() {
    if (mode_ == Mode::Adding) {
        if (!saveFields())
            return;
        mode_ = Mode::Browsing;
        Data1->recordSet().moveLast();
        setBrowsing();
        showRecord();
        return;
    }
    commands_[1]->setEnabled(false);
    setFieldsEnabled(true);
    mode_ = Mode::Adding;
    clearFields();
    Data1Bar->setEnabled(false);
    DBGrid1->setEnabled(false);
    commands_[3]->setText(QStringLiteral("Enregistrer"));
    commands_[2]->setEnabled(true);
    commands_[4]->setEnabled(false);
    commands_[5]->setEnabled(false);
    texts_[0]->setFocus();
}

void Questions::modifierClicked() {
    if (mode_ == Mode::Modifying) {
        if (!saveFields())
            return;
        setBrowsing();
        showRecord();
        return;
    }
    if (!Data1->recordSet().hasCurrent())
        return;
    mode_ = Mode::Modifying;
    setFieldsEnabled(true);
    Data1Bar->setEnabled(false);
    DBGrid1->setEnabled(false);
    for (int i : {1, 3, 4})
        commands_[static_cast<size_t>(i)]->setEnabled(false);
    commands_[2]->setEnabled(true);
    commands_[5]->setText(QStringLiteral("Enregister"));
    texts_[0]->setFocus();
}

void Questions::annulerClicked() {
    mode_ = Mode::Browsing;
    clearFields();
    Data1->refresh();
    RecordSet& rs = Data1->recordSet();
    setBrowsing();
    if (rs.recordCount() == 0)
        setEmptyTable();
    else
        rs.moveFirst();
    showRecord();
}

void Questions::supprimerClicked() {
    commands_[3]->setText(Ajouter);
    RecordSet& rs = Data1->recordSet();
    if (!rs.hasCurrent() || rs.eof()) {
        say(QStringLiteral("Il n'y a plus d'enregistrement !"), MsgBox::Information,
            QStringLiteral("Suppression"));
        return;
    }
    if (say(QStringLiteral("Voulez-vous supprimer cet enregistrement ?"),
            MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
            QStringLiteral("Supression")) != MsgBox::Yes)
        return;
    if (!rs.deleteCurrent()) {
        say(QStringLiteral("La question n'a pas pu être supprimée.\nErreur: %1 %2")
                .arg(rs.lastError().code)
                .arg(rs.lastError().message),
            MsgBox::Exclamation, QStringLiteral("Suppression"));
        return;
    }
    Data1->refresh();
    if (rs.recordCount() > 0)
        rs.moveFirst();
    else
        setEmptyTable();
    showRecord();
}

void Questions::retourClicked() {
    leaving_ = true;
    ctx().forms().show(QStringLiteral("Gestion"), FormRegistry::ShowMode::Maximised);
    ctx().forms().unload(formName());
}

bool Questions::onQueryUnload() {
    if (mode_ == Mode::Modifying) {
        if (say(QStringLiteral("Voulez-vous enregister les modifications ?"),
                MsgBox::YesNo | MsgBox::Question, QStringLiteral("Modification")) == MsgBox::Yes)
            saveFields();
        else
            Data1->recordSet().cancelUpdate();
        mode_ = Mode::Browsing;
    }
    return true;
}

void Questions::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    board_->move(std::max(0, (width() - board_->width()) / 2),
                 std::max(0, (height() - board_->height()) / 2));
}

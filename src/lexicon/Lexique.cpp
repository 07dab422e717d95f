#include "lexicon/Lexique.h"

#include "data/DataControl.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "lexicon/LexiconModel.h"
#include "lexicon/LexiconRules.h"
#include "platform/MessageBox.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/General.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>

#include <algorithm>

using namespace LexiconRules;

namespace {
constexpr unsigned DesignStatusColour = 0xFFFFFF;
constexpr unsigned ProtectedStatusColour = 0xFFFF00;
constexpr unsigned ChosenColour = 0x8000;
constexpr unsigned OtherColour = 0x4000;
constexpr int ActionHelpTopic = 600;
const QString BoxStyle =
    QStringLiteral("background: white; color: #123; font: bold 13pt 'DejaVu Sans';"
                   " border: 2px solid #2a5d8a; border-radius: 4px;");

// Tells the window when a cell editor opens and closes, and runs the key filter on it.
class EditDelegate : public QStyledItemDelegate {
public:
    EditDelegate(QObject* keyFilter, std::function<void(bool)> editing, QObject* parent)
        : QStyledItemDelegate(parent), keyFilter_(keyFilter), editing_(std::move(editing)) {
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this] { editing_(false); });
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(keyFilter_);
        editing_(true);
        return editor;
    }

private:
    QObject* keyFilter_;
    std::function<void(bool)> editing_;
};
} // namespace

Lexique::Lexique(Contexte& contexte)
    : Form(contexte, QStringLiteral("Lexique")), Data1(new DataControl(this)),
      Titre(new FXLabel(QStringLiteral("Titre"), -1, this)),
      Label2(new FXLabel(QStringLiteral("Label2"), -1, this)),
      Label1(new FXLabel(QStringLiteral("Label1"), 0, this)), Text1(new QLineEdit(this)),
      Text2(new QLineEdit(this)), Agenda(new QTabBar(this)), caption_(new QLabel(this)),
      DBGrid1(new QTableView(this)), model_(new LexiconModel(Data1->recordSet(), this)),
      keyFilter_(nullptr) {
    setWindowTitle(QStringLiteral("Lexique"));
    setBackgroundPicture(QImage(contexte.media(QStringLiteral("\\Bitmap\\fond.jpg"))));
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setDatabaseName(contexte.general().CheminBase);
    buildControls();
    buildButtons();
    keyFilter_ = FiltreTouches::installerSur(this, contexte.general());
    buildGrid();
    layoutControls();
}

Lexique::~Lexique() {
    DBGrid1->setModel(nullptr);
}

void Lexique::buildControls() {
    Titre->setCaption(QStringLiteral("Lexique"));
    Titre->setForeColor(0x00FFFF);
    Titre->setFont(QFont(QStringLiteral("DejaVu Sans"), 24, QFont::Bold));
    Titre->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Titre->setGeometry(20, 8, 600, 44);
    Label2->setCaption(UnprotectedStatus);
    Label2->setForeColor(DesignStatusColour);
    Label2->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setGeometry(20, 54, 700, 26);

    Agenda->setObjectName(QStringLiteral("Agenda"));
    Agenda->setExpanding(false);
    Agenda->setUsesScrollButtons(false);
    for (const QString& key : tabKeys())
        Agenda->setTabData(Agenda->addTab(key), key);
    connect(Agenda, &QTabBar::tabBarClicked, this, [this](int tab) { tabClicked(tab); });

    Label1->setCaption(QStringLiteral("Recherche"));
    Label1->setForeColor(0x8A5D2A); // dark blue, readable on the light background
    Label1->setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setGeometry(20, 132, 120, 30);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setStyleSheet(BoxStyle);
    Text1->setGeometry(140, 130, 260, 34);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& t) { searchChanged(t); });
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setStyleSheet(BoxStyle);
    Text2->setEchoMode(QLineEdit::Password);

    caption_->setObjectName(QStringLiteral("DBGrid1Caption"));
    caption_->setStyleSheet(QStringLiteral(
        "background: #2a5d8a; color: white; font: bold 12pt 'DejaVu Sans'; padding-left: 6px;"));
}

void Lexique::buildButtons() {
    for (int i = 1; i <= 2; ++i) {
        auto* button = new FXShape(QStringLiteral("Bouton"), i, this);
        button->setColor(i == 1 ? ChosenColour : OtherColour);
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { directionPressed(index, mouse); });
        connect(button, &FXShape::released, this,
                [this](int index, int mouse) { directionReleased(index, mouse); });
        Bouton[static_cast<size_t>(i)] = button;
    }
    const char* const captions[] = {"Ajout", "Suppression", "Modification", "Retour"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new FXShape(QStringLiteral("Ajout_suppression"), i, this);
        button->setCaption(QString::fromUtf8(captions[i]));
        button->setColor(i == 3 ? 0x4040C0 : 0x40A040);
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { actionPressed(index, mouse); });
        connect(button, &FXShape::clicked, this, [this](int index) { action(index); });
        Ajout_suppression[static_cast<size_t>(i)] = button;
    }
}

void Lexique::buildGrid() {
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setItemDelegate(new EditDelegate(
        keyFilter_, [this](bool editing) { setEditingLocked(editing); }, DBGrid1));
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    DBGrid1->verticalHeader()->setDefaultSectionSize(24);
    DBGrid1->setStyleSheet(QStringLiteral("QTableView { background: white; font: 12pt 'DejaVu "
                                          "Sans'; gridline-color: #9ab; }"));
    DBGrid1->installEventFilter(this);
    model_->setConfirmation([this](int, const QString&, const QVariant&) { return confirmSave(); });
    connect(model_, &LexiconModel::pairAdded, this, [this](qint64 rowId) {
        Filtrer();
        RecordSet& rs = Data1->recordSet();
        if (rs.moveToRowId(rowId)) {
            while (model_->canFetchMore({}) && model_->fetchedRows() <= rs.absolutePosition())
                model_->fetchMore({});
            DBGrid1->setCurrentIndex(model_->index(rs.absolutePosition(), 0));
        }
    });
    connect(model_, &LexiconModel::writeFailed, this,
            [this](int code, const QString& message) { showError(code, message); });
}

void Lexique::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layoutControls();
}

// The grid takes the width that the button column leaves; the tabs share the whole width, so
// that every letter stays visible in a narrow window.
void Lexique::layoutControls() {
    constexpr int Margin = 20, ButtonWidth = 160, PasswordWidth = 110, Gap = 10;
    constexpr int GridTop = 208, CaptionHeight = 28, ButtonPitch = 62;
    const int buttonsX = width() - Margin - PasswordWidth - Gap - ButtonWidth;
    const int gridWidth = std::max(200, buttonsX - 30 - Margin);
    const int tabsWidth = width() - 2 * Margin - 4;
    const int tabWidth = std::clamp(tabsWidth / std::max(1, Agenda->count()) - 6, 12, 24);
    Agenda->setStyleSheet(
        QStringLiteral("QTabBar::tab { font: bold 10pt 'DejaVu Sans'; min-width: %1px;"
                       " padding: 4px 2px; background: #dde6f0; border: 1px solid #2a5d8a; }"
                       "QTabBar::tab:selected { background: #ffe680; }")
            .arg(tabWidth));
    Agenda->setGeometry(Margin, 88, tabsWidth, 32);
    caption_->setGeometry(Margin, GridTop - CaptionHeight, gridWidth, CaptionHeight);
    DBGrid1->setGeometry(Margin, GridTop, gridWidth, std::max(120, height() - GridTop - Margin));
    for (int i = 0; i < 4; ++i)
        Ajout_suppression[static_cast<size_t>(i)]->setGeometry(
            buttonsX, GridTop - 8 + i * ButtonPitch, ButtonWidth, 46);
    Text2->setGeometry(buttonsX + ButtonWidth + Gap, GridTop + 54, PasswordWidth, 34);
    // The two direction buttons share what the search box leaves of the line.
    const int directionX = Text1->geometry().right() + 1 + 2 * Gap;
    const int directionWidth = std::min(ButtonWidth, (width() - Margin - directionX - Gap) / 2);
    for (int i = 1; i <= 2; ++i)
        Bouton[static_cast<size_t>(i)]->setGeometry(directionX + (i - 1) * (directionWidth + Gap),
                                                    128, directionWidth, 38);
}

QString Lexique::gridCaption() const {
    return caption_->text();
}

void Lexique::onActivate() {
    searchActive_ = false;
    applyProtection();
    Titre->setCaption(QStringLiteral("Brindel"));
    Bouton[1]->setCaption(QStringLiteral("Angl. / Franç."));
    Bouton[2]->setCaption(QStringLiteral("Franç. / Angl."));
    Agenda->setCurrentIndex(0);
    search_.clear();
    useDirection(1);
    Text1->setFocus();
}

void Lexique::applyProtection() {
    protected_ = isProtected(ctx().settings().read(Options::Configuration, Options::Protection));
    model_->setAdding(false);
    model_->setEditable(!protected_);
    Label2->setCaption(protected_ ? ProtectedStatus : UnprotectedStatus);
    Label2->setForeColor(protected_ ? ProtectedStatusColour : DesignStatusColour);
}

void Lexique::useDirection(int button) {
    const bool english = button == 1;
    caption_->setText(english ? EnglishFrench : FrenchEnglish);
    Data1->setDatabaseName(ctx().general().CheminBase);
    Data1->setRecordSource(english ? Schema::Table::Angfr : Schema::Table::Frang);
    model_->setAdding(false);
    if (!Data1->refresh()) {
        showError(Data1->lastError().code, Data1->lastError().message);
        return;
    }
    Filtrer();
}

void Lexique::Filtrer() {
    RecordSet& rs = Data1->recordSet();
    const QString tabKey = Agenda->tabData(Agenda->currentIndex()).toString();
    rs.setFilter(filterFor(tabKey, typing_, search_));
    rs.setSort(Schema::Field::Origine);
    if (!rs.requery())
        showError(rs.lastError().code, rs.lastError().message);
}

void Lexique::tabClicked(int tab) {
    if (tab < 0)
        return;
    PlayEffect(ctx(), 2);
    searchActive_ = false;
    Agenda->setCurrentIndex(tab);
    search_ = Agenda->tabData(tab).toString();
    model_->setAdding(false);
    Filtrer();
}

void Lexique::searchChanged(const QString& text) {
    typing_ = Agenda->tabData(Agenda->currentIndex()).toString() == AllTab;
    search_ = text;
    model_->setAdding(false);
    Filtrer();
    typing_ = false;
}

void Lexique::directionPressed(int index, int mouse) {
    if (mouse != MouseArgs::Left)
        return;
    PlayEffect(ctx(), 5);
    Bouton[static_cast<size_t>(index)]->setPressedLook();
    Bouton[static_cast<size_t>(index)]->setColor(ChosenColour);
    Bouton[static_cast<size_t>(3 - index)]->setColor(OtherColour);
}

void Lexique::directionReleased(int index, int mouse) {
    if (mouse != MouseArgs::Left)
        return;
    Bouton[static_cast<size_t>(index)]->clearPressedLook();
    useDirection(index);
}

void Lexique::actionPressed(int index, int mouse) {
    if (mouse == MouseArgs::Right) {
        ctx().platform().help->showTopicPopup(ActionHelpTopic + index,
                                              Ajout_suppression[static_cast<size_t>(index)]);
    } else if (mouse == MouseArgs::Left) {
        PlayEffect(ctx(), 1);
        Ajout_suppression[static_cast<size_t>(index)]->setPressedLook();
    }
}

void Lexique::action(int index) {
    Ajout_suppression[static_cast<size_t>(index)]->clearPressedLook();
    switch (index) {
    case 0:
        ajout();
        break;
    case 1:
        suppression();
        break;
    case 2:
        ctx().messageBox().show(modificationMessage(protected_), MsgBox::Information,
                                ModificationTitle);
        break;
    default:
        ctx().forms().unload(formName());
        break;
    }
}

void Lexique::ajout() {
    if (protected_) {
        ctx().messageBox().show(protectedMessage(), MsgBox::Information, AddTitle);
        return;
    }
    // Only the empty new-row line is shown; the pair typed into it is added in its place in
    // the list once both words are there.
    RecordSet& rs = Data1->recordSet();
    rs.setFilter(Criterion::equals(Schema::Field::Origine, QStringLiteral("\"")));
    if (!rs.requery()) {
        showError(rs.lastError().code, rs.lastError().message);
        return;
    }
    model_->setAdding(true);
    DBGrid1->setFocus();
    DBGrid1->setCurrentIndex(model_->index(model_->rowCount() - 1, 0));
}

QString Lexique::currentWord() const {
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid() || model_->isNewRow(current.row()))
        return {};
    return model_->index(current.row(), 0).data().toString();
}

void Lexique::suppression() {
    const QString word = currentWord();
    const QString stored = ctx().settings().read(Options::Configuration, Options::MotDePasse);
    switch (checkDeletion(word, Text2->text(), stored)) {
    case Deletion::NothingToDelete:
        ctx().messageBox().show(NothingToDeleteText, MsgBox::Critical, DeletionTitle);
        break;
    case Deletion::PasswordMissing:
        ctx().messageBox().show(PasswordMissingText, MsgBox::Information, PasswordTitle);
        Text2->setFocus();
        break;
    case Deletion::WrongPassword:
        ctx().messageBox().show(WrongPasswordText, MsgBox::Critical, PasswordTitle);
        Text2->setFocus();
        Text2->selectAll();
        break;
    case Deletion::Ask:
        deleteWord(word);
        break;
    }
}

void Lexique::deleteWord(const QString& word) {
    if (ctx().messageBox().show(deletionQuestion(word),
                                MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                                DeleteQuestionTitle) != MsgBox::Yes)
        return;
    RecordSet& rs = Data1->recordSet();
    if (!rs.moveTo(DBGrid1->currentIndex().row()) || !rs.deleteCurrent()) {
        showError(rs.lastError().code, rs.lastError().message);
        return;
    }
    Text2->clear();
}

void Lexique::setEditingLocked(bool locked) {
    for (int i = 0; i <= 2; ++i)
        Ajout_suppression[static_cast<size_t>(i)]->setEnabled(!locked);
    Bouton[1]->setEnabled(!locked);
    Bouton[2]->setEnabled(!locked);
}

bool Lexique::confirmSave() {
    const bool yes = ctx().messageBox().show(
                         SaveQuestion, MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                         SaveTitle) == MsgBox::Yes;
    setEditingLocked(false);
    Ajout_suppression[2]->clearPressedLook();
    Ajout_suppression[3]->clearPressedLook();
    return yes;
}

void Lexique::showError(int code, const QString& description) {
    ctx().messageBox().show(errorMessage(code, description), MsgBox::OkOnly, QString());
}

bool Lexique::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 && (type == QEvent::FocusIn || type == QEvent::MouseButtonPress))
        searchActive_ = true;
    else if (watched == DBGrid1 && type == QEvent::FocusIn)
        searchActive_ = false;
    return Form::eventFilter(watched, event);
}

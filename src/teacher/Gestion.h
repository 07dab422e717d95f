#pragma once

#include "shell/Form.h"

#include <array>

class DataControl;
class FXLabel;
class QPushButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class RecordSetModel;

// The teacher's management console: the pupils grid with sorting, editing and deletion, the
// change of the management password, the options, the database file and the ways to the
// question editor, the lexicon, the help and back to the sign-in.
class Gestion : public Form {
    Q_OBJECT
public:
    explicit Gestion(Contexte& contexte);
    ~Gestion() override;

    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

    DataControl& data() { return *Data1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildGrid();
    void buildOptions();
    void buildPassword();
    void buildButtons();
    void buttonReleased(int index, int mouse);
    void showRowNumber();
    void sortChosen();
    void deletePupil();
    void changePassword();
    void clearPasswords();
    void connexion();
    void showMode();
    bool confirmCell(int row, const QString& field, const QVariant& value);
    int say(const QString& text, int flags, const QString& title = QString());

    QWidget* board_;
    DataControl* Data1;
    RecordSetModel* model_ = nullptr;
    QGroupBox* Frame4;
    QTableView* DBGrid1;
    QWidget* Data1Bar;
    QLabel* Data1Caption;
    QComboBox* Combo1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QCheckBox* Check4 = nullptr; // hides the studio's pronunciation stars
    QRadioButton* Option3;
    QRadioButton* Option4;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QGroupBox* Frame2Mode;
    QWidget* Command1;
    std::array<QPushButton*, 7> FXShape1{};
    std::array<FXLabel*, 3> FXLabel1{};
};

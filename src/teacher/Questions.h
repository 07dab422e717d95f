#pragma once

#include "shell/Form.h"

#include <array>

class DataControl;
class FXLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordSetModel;

// The quiz question editor: browses, adds, modifies and deletes the questions of the table the
// quiz uses, one record at a time through its fields, with a grid that lists the table.
class Questions : public Form {
    Q_OBJECT
public:
    explicit Questions(Contexte& contexte);
    ~Questions() override;

    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;

    DataControl& data() { return *Data1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Mode { Browsing, Adding, Modifying };

    void ajouterClicked();
    void modifierClicked();
    void annulerClicked();
    void supprimerClicked();
    void retourClicked();
    bool saveFields();
    void showRecord();
    void setFieldsEnabled(bool enabled);
    void clearFields();
    void setEmptyTable();
    void setBrowsing();
    int say(const QString& text, int flags, const QString& title);

    QWidget* board_;
    DataControl* Data1;
    RecordSetModel* model_ = nullptr;
    QWidget* Data1Bar;
    QTableView* DBGrid1;
    std::array<QLineEdit*, 4> texts_{};      // Text1 .. Text4
    std::array<QCheckBox*, 3> checks_{};     // Check1 .. Check3
    std::array<QPushButton*, 6> commands_{}; // Command1 .. Command5 (index 0 unused)
    FXLabel* FXLabel1;
    Mode mode_ = Mode::Browsing;
    bool leaving_ = false;
};

#pragma once

#include "shell/Form.h"

#include <QImage>
#include <array>

class FXLabel;
class FXShape;
class QComboBox;
class QLineEdit;

// The registration form: a child types name, group and password twice; after the checks and
// the child's confirmation the new pupil row is added, and the sign-in window comes back with
// the password already typed in.
class Formulaire : public Form {
    Q_OBJECT
public:
    explicit Formulaire(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

    QLineEdit* nameBox() const { return Text1[1]; }
    QComboBox* groupBox() const { return Combo1; }
    QLineEdit* passwordBox() const { return Text1[3]; }
    QLineEdit* confirmationBox() const { return Text1[0]; }
    FXLabel* question() const { return FXLabel2; }

protected:
private:
    void buttonPressed(int index, int button);
    void buttonReleased(int index, int button);
    void ok();
    void focusOnQuestion(const QString& question);
    bool addPupil(const QString& name, const QString& group, const QString& password);
    void backToSignIn();

    std::array<QLineEdit*, 4> Text1{}; // 0 confirmation, 1 name, 3 password
    QComboBox* Combo1;
    std::array<FXLabel*, 4> FXLabel1{};
    FXLabel* FXLabel2;
    std::array<FXShape*, 2> Command1{};
};

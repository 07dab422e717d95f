#pragma once

#include "shell/Form.h"

#include <QImage>
#include <array>

class FXLabel;
class FXShape;
class QLineEdit;
class QListWidget;
class RecordSet;

// The pupil sign-in window: the pupils of table Gestion, narrowed by group, a pupil password
// with "Départ", the way to the registration form, and the management password.
class Inscription : public Form {
    Q_OBJECT
public:
    explicit Inscription(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;

    // Completes a pupil's sign-in: the activity buttons and the exercise chooser.
    void Départ();

    QLineEdit* pupilPassword() const { return Text1; }
    QLineEdit* managementPassword() const { return Text2; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RecordSet& pupils();
    void fillLists();
    void groupChosen();
    void namePicked();
    void buttonReleased(int index, int button);
    void departClicked();
    void gestionnaireClicked();
    void say(const QString& text, int flags = 0, const QString& title = QString());

    QListWidget* List1;
    QListWidget* Combo1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    std::array<FXLabel*, 3> FXLabel1{};
    std::array<FXShape*, 4> FXShape1{}; // 1..3
    FXLabel* Image1;
    QWidget* board_;
};

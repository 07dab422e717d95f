#pragma once

#include "shell/Form.h"

#include <array>

class FXLabel;
class FXShape;
class PageFace;
class QLabel;

// The reward window: the pupil's total as " SCORE : " and the number, spelt out as a trophy per
// hundred, a cup per ten and a medal per unit; at the full score a diploma with the pupil's
// name, which can be printed. "Détail" leads to the results report, "Retour" to the main window.
class Recompense : public Form {
    Q_OBJECT
public:
    explicit Recompense(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;

    int total() const { return total_; }
    PageFace* page() const { return page_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* makePicture(const QString& name, int index, int leftTwips, int topTwips, QSize size);
    void showAwards();
    void buttonPressed(int index, int button);
    void buttonClicked(int index);

    int total_ = 0;
    PageFace* page_;
    std::array<FXLabel*, 2> Label1{};
    FXLabel* Label2;
    std::array<QLabel*, 5> trophee{};   // 1..4
    std::array<QLabel*, 10> Coupe{};    // 1..9
    std::array<QLabel*, 10> Medaille{}; // 1..9
    std::array<FXShape*, 2> Bouton{};
};

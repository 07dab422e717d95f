#pragma once

#include "pupils/ResultsPage.h"

#include <array>

class FXLabel;
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

    PageFace* page() const { return results_.face(); }

    int total() const { return total_; }

private:
    QLabel* makePicture(const QString& name, int index, int leftTwips, int topTwips, QSize size);
    void showAwards();
    void buttonClicked(int index);

    ResultsPage results_; // first: the controls below are made on its face

    int total_ = 0;
    std::array<FXLabel*, 2> Label1{};
    FXLabel* Label2;
    std::array<QLabel*, 5> trophee{};   // 1..4
    std::array<QLabel*, 10> Coupe{};    // 1..9
    std::array<QLabel*, 10> Medaille{}; // 1..9
};

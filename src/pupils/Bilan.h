#pragma once

#include "pupils/ResultsPage.h"

#include <array>

class FXLabel;

// The results report: the pupil's name and group and one bar per score column over the chart's
// background, coloured by the score; it can print itself and leads back to the reward window.
class Bilan : public Form {
    Q_OBJECT
public:
    static constexpr int BarCount = 59;

    explicit Bilan(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;

    PageFace* page() const { return results_.face(); }

    ChartBar* bar(int index) const { return Shape1[std::size_t(index)]; }

private:
    void buttonClicked(int index);

    ResultsPage results_; // first: the controls below are made on its face

    FXLabel* Label1;
    FXLabel* Label2;
    std::array<ChartBar*, BarCount> Shape1{};
};

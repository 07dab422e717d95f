#pragma once

#include "shell/Form.h"

#include <array>

class ChartBar;
class FXLabel;
class FXShape;
class PageFace;

// The results report: the pupil's name and group and one bar per score column over the chart's
// background, coloured by the score; it can print itself and leads back to the reward window.
class Bilan : public Form {
    Q_OBJECT
public:
    static constexpr int BarCount = 59;

    explicit Bilan(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;

    PageFace* page() const { return page_; }
    ChartBar* bar(int index) const { return Shape1[std::size_t(index)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buttonPressed(int index, int button);
    void buttonClicked(int index);

    PageFace* page_;
    FXLabel* Label1;
    FXLabel* Label2;
    std::array<ChartBar*, BarCount> Shape1{};
    std::array<FXShape*, 2> Boulan{};
};

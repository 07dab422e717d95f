#pragma once

#include "pupils/Rewards.h"
#include "shell/Form.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>

class Contexte;
class FXLabel;
class FXShape;

// Sets a label's caption and sizes the label to the text, as the results windows' labels are.
void setSizedCaption(FXLabel* label, const QString& text);

// The face of the results windows: their background picture at its own size, with the
// controls placed on it in twips, kept in the middle of the window. It is what gets printed.
class PageFace : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize Size{640, 480};

    explicit PageFace(QWidget* parent);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    // Keeps the face in the middle of its window as the window is resized.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// A bar of the results chart: a filled rectangle with a thin border.
class ChartBar : public QWidget {
    Q_OBJECT
public:
    ChartBar(const QString& name, int index, QWidget* parent);
    int index() const { return index_; }
    // Colour as &HBBGGRR.
    void setFillColor(unsigned bgr);
    unsigned fillColor() const { return fillColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    unsigned fillColor_ = 0;
};

// Asks the print question (Yes and No, No the default, question icon, title "Bilan"); on Yes
// hides the buttons, prints the face as it then looks and tells where a page went without a
// printer. True when the page was printed or saved; after a failure, which is reported, the
// buttons are shown again and the window stays as it was.
bool askAndPrint(Contexte& contexte, PageFace* face, std::initializer_list<QWidget*> buttons,
                 const QString& question, const QString& documentName);

// What the reward window and the results report share: the face in the middle of the window
// and two buttons on it, at the left edges 7530 and 8400 twips, that play effect 1 and look
// pressed from the press to the click. A part of those two windows, not a window of its own.
class ResultsPage {
public:
    // `clicked` is told the index of the button clicked.
    ResultsPage(Form& window, Contexte& contexte, std::function<void(int)> clicked);

    PageFace* face() const { return face_; }
    FXShape* button(int index) const { return buttons_[std::size_t(index)]; }
    // Makes the buttons name(0) and name(1), hidden until the window is activated.
    void makeButtons(const QString& name, const QString& first, const QString& second,
                     int topTwips);
    void showButtons();
    // The signed-in pupil's row of Gestion, read through the main window's data control.
    Rewards::PupilScores readPupil();
    // Hides the buttons, prints the face and tells what became of it (see askAndPrint).
    bool print(const QString& question, const QString& documentName);

private:
    Contexte& contexte_;
    std::function<void(int)> clicked_;
    PageFace* face_;
    std::array<FXShape*, 2> buttons_{};
};

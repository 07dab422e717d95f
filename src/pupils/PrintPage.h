#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <initializer_list>

class Contexte;
class FXLabel;

// Where a button of the results windows goes, given its left edge and top in twips: the
// first of the two buttons ends a little short of the second's left edge, so that its caption
// fits whole.
QRect buttonPlace(int leftTwips, int topTwips);

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
    // Keeps the face in the middle of its window.
    void centre();

protected:
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

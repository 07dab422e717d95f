#pragma once

#include <QPixmap>
#include <QWidget>

// The program's shaped button: a rounded, coloured button with a caption or a picture.
//
// A left press shows it pressed (sunk, darker) until the click that follows; the window may
// also set or clear that look itself (setPressedLook, clearPressedLook), as the program's press
// handlers do with a deeper look on some windows. A right press changes nothing on screen.
// Events carry the button's index in its control array, the mouse button, the shift state and
// the position in twips.
class FXShape : public QWidget {
    Q_OBJECT
public:
    // Lit (0), idle (2), and the two looks of the navigation bar while the studio is open (1,
    // flat and muted) and after it closed (3, as idle).
    enum State { Lit = 0, Muted = 1, Idle = 2, Restored = 3 };
    static constexpr int NormalDepth = 20;
    static constexpr int DeepDepth = 40;

    explicit FXShape(const QString& name, int index = -1, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // Colour as &HBBGGRR.
    void setColor(unsigned bgr);
    unsigned color() const { return color_; }
    void setState(int state);
    int state() const { return state_; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // Pressed look, depth 20 or 40 (deeper); 0 clears it.
    void setPressedLook(int depth = NormalDepth);
    void clearPressedLook() { setPressedLook(0); }
    bool isPressedLook() const { return pressedDepth_ > 0; }
    int pressedDepth() const { return pressedDepth_; }

    // Answered style (a word answered right or wrong) against the plain style.
    void setAnswered(bool answered);
    bool isAnswered() const { return answered_; }

    QSize sizeHint() const override { return {120, 40}; }

signals:
    void pressed(int index, int button, int shift, int x, int y);
    void moved(int index, int button, int shift, int x, int y);
    void released(int index, int button, int shift, int x, int y);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintBody(QPainter& painter, const QRectF& body, const QColor& base) const;
    void paintContent(QPainter& painter, const QRectF& body, const QColor& base) const;

    int index_;
    QString caption_;
    unsigned color_ = 0xC0C0C0;
    int state_ = Idle;
    QPixmap picture_;
    int pressedDepth_ = 0;
    bool answered_ = false;
    bool leftDown_ = false;
};

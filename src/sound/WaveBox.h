#pragma once

#include <QString>
#include <QVector>
#include <QWidget>
#include <optional>

// A waveform box of the studio. It knows nothing of sound: the window gives it the heights of
// the points to draw, its colours, the playback cursor's place, the band being dragged and a
// message to show instead of a waveform, and it paints them. Measures are in twips of a box
// 6090 wide and 1600 high, scaled to the widget. Mouse events carry the button and x, y in twips.
class WaveBox : public QWidget {
    Q_OBJECT
public:
    WaveBox(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    // Heights below the middle line of the points drawn every 10 twips; empty clears the box.
    void setLevels(QVector<int> levels);
    const QVector<int>& levels() const { return levels_; }
    // Colours as &HBBGGRR.
    void setDrawColour(unsigned bgr);
    unsigned drawColour() const { return drawColour_; }
    void setBackColour(unsigned bgr);
    unsigned backColour() const { return backColour_; }
    void setCursorColour(unsigned bgr);
    unsigned cursorColour() const { return cursorColour_; }
    // The cursor line Line1 of the box; x = -15 parks it outside.
    void setCursorX(double x);
    double cursorX() const { return cursorX_; }
    // The inverted band between two x positions while a stretch is dragged; none clears it.
    void setBand(std::optional<std::pair<int, int>> band);
    std::optional<std::pair<int, int>> band() const { return band_; }
    // A text shown in the middle of the box in place of the waveform; empty for none.
    void setMessage(const QString& message);
    const QString& message() const { return message_; }

signals:
    void pressed(int index, int button, int x, int y);
    void moved(int index, int button, int x, int y);
    void released(int index, int button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QVector<int> levels_;
    unsigned drawColour_ = 0;
    unsigned backColour_ = 0;
    unsigned cursorColour_ = 0xFFFF;
    double cursorX_ = -15.0;
    std::optional<std::pair<int, int>> band_;
    QString message_;
};

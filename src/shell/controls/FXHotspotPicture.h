#pragma once

#include "shell/controls/HotspotMap.h"

#include <QImage>
#include <QWidget>

// A picture with numbered hotspots read from a .hsp file. The picture fills the control; the
// hotspots scale with it. The control reports the hotspot under the pointer, and the program
// highlights one hotspot at a time, which shows the highlight picture inside its shape.
class FXHotspotPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int NoHighlight = 10;
    static constexpr int HighlightOn = 20;

    explicit FXHotspotPicture(const QString& name, QWidget* parent = nullptr);

    // Pictures and hotspot file by path; a file that cannot be read leaves the part empty.
    void setPicture(const QString& path);
    void setPicture(const QImage& picture);
    void setHighlightPicture(const QString& path);
    void setHighlightPicture(const QImage& picture);
    void setHotspotFile(const QString& path);
    void setHotspots(const HotspotMap& map);
    const QImage& picture() const { return picture_; }
    // A transparent control lies over a picture that its window draws: it keeps the picture for
    // its hotspots and draws only the highlighted one.
    void setTransparent(bool transparent);
    const HotspotMap& hotspots() const { return map_; }

    // Hotspot under the pointer, -1 for none, and whether the pointer is on one.
    int hotspotIndex() const { return pointed_; }
    bool onActiveHotspot() const { return pointed_ >= 0; }
    // Hotspot index at a point of the control, in pixels.
    int indexAt(QPointF pixel) const;

    void setHighlightIndex(int index);
    int highlightIndex() const { return highlighted_; }
    void setHighlightStrength(int strength);
    int highlightStrength() const { return strength_; }

signals:
    void moved(int button, int shift, int x, int y);
    void pressed(int button, int shift, int x, int y);
    void released(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSizeF referenceSize() const;
    QPainterPath highlightPath() const;
    void point(QPointF pixel);

    QImage picture_;
    bool transparent_ = false;
    QImage highlightPicture_;
    HotspotMap map_;
    int pointed_ = -1;
    int highlighted_ = NoHighlight;
    int strength_ = 0;
};

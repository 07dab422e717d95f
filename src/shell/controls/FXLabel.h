#pragma once

#include <QPixmap>
#include <QWidget>

// A label: a caption in chosen colours, with an opaque or transparent background (transparent
// lets the picture behind show through), and an optional picture.
class FXLabel : public QWidget {
    Q_OBJECT
public:
    explicit FXLabel(const QString& name, int index = -1, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // Colours as &HBBGGRR.
    void setForeColor(unsigned bgr);
    unsigned foreColor() const { return foreColor_; }
    void setBackColor(unsigned bgr);
    unsigned backColor() const { return backColor_; }
    void setTransparent(bool transparent);
    bool isTransparent() const { return transparent_; }
    void setAlignment(Qt::Alignment alignment);
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture(QPixmap()); }
    const QPixmap& picture() const { return picture_; }

signals:
    void clicked(int index);
    void mouseMoved(int index, int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QString caption_;
    unsigned foreColor_ = 0x000000;
    unsigned backColor_ = 0xFFFFFF;
    bool transparent_ = true;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QPixmap picture_;
    bool pressedInside_ = false;
};

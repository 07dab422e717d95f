#pragma once

#include "shell/controls/MjpegAvi.h"

#include <QByteArray>
#include <QImage>
#include <QTimer>
#include <QWidget>

// The video player control: shows frames of a motion-JPEG AVI file. Command 4 opens the file
// and shows the start frame; 15 plays the frames from the start frame to the end frame (both
// included) at the file's frame rate, then reports playEnded(); 0 and 11 stop playing. A file
// that cannot be read leaves the control empty, and playing it reports its end at once.
class FXVid : public QWidget {
    Q_OBJECT
public:
    enum Command { Leave = 0, Open = 4, End = 11, PlayRange = 15 };
    static constexpr qint64 MaxFileBytes = qint64(64) << 20;

    explicit FXVid(const QString& name, QWidget* parent = nullptr);

    void setFileName(const QString& path) { fileName_ = path; }
    const QString& fileName() const { return fileName_; }
    void setStartFrame(int frame) { startFrame_ = frame; }
    int startFrame() const { return startFrame_; }
    void setEndFrame(int frame) { endFrame_ = frame; }
    int endFrame() const { return endFrame_; }
    void setCommand(int command);
    int command() const { return command_; }

    int frameCount() const { return avi_.frameCount(); }
    int currentFrame() const { return current_; }
    bool isPlaying() const { return ticker_.isActive(); }
    const QImage& currentImage() const { return image_; }

signals:
    void playEnded();
    void frameShown(int frame);
    void moved(int button, int shift, int x, int y);
    void pressed(int button, int shift, int x, int y);
    void released(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void open();
    void play();
    void stop();
    void advance();
    void showFrame(int frame);
    void reportEndSoon();

    QString fileName_;
    QByteArray file_;
    MjpegAvi avi_;
    QImage image_;
    QTimer ticker_;
    int startFrame_ = 0;
    int endFrame_ = 0;
    int command_ = 0;
    int current_ = -1;
    int last_ = -1;
    quint64 generation_ = 0;
};

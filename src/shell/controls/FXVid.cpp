#include "shell/controls/FXVid.h"

#include "shell/controls/MouseArgs.h"

#include <QFile>
#include <QPainter>

FXVid::FXVid(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    connect(&ticker_, &QTimer::timeout, this, &FXVid::advance);
}

void FXVid::setCommand(int command) {
    command_ = command;
    switch (command) {
    case Open:
        open();
        break;
    case PlayRange:
        play();
        break;
    case Leave:
    case End:
        stop();
        break;
    default:
        break;
    }
}

void FXVid::open() {
    stop();
    QFile file(fileName_);
    file_.clear();
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaxFileBytes)
        file_ = file.readAll();
    avi_ = MjpegAvi::parse(reinterpret_cast<const std::uint8_t*>(file_.constData()),
                           std::size_t(file_.size()));
    image_ = QImage();
    current_ = -1;
    if (!avi_.empty())
        showFrame(std::clamp(startFrame_, 0, avi_.frameCount() - 1));
    update();
}

void FXVid::play() {
    stop();
    const int first = startFrame_;
    const int last = std::min(endFrame_, avi_.frameCount() - 1);
    if (avi_.empty() || first < 0 || first > last) {
        reportEndSoon();
        return;
    }
    last_ = last;
    showFrame(first);
    ticker_.start(std::max(1, int(avi_.microsPerFrame() / 1000)));
}

void FXVid::stop() {
    ++generation_;
    ticker_.stop();
}

void FXVid::advance() {
    if (current_ >= last_) {
        stop();
        emit playEnded();
        return;
    }
    showFrame(current_ + 1);
}

void FXVid::showFrame(int frame) {
    const MjpegAvi::Frame& f = avi_.frames()[std::size_t(frame)];
    image_ = QImage::fromData(QByteArrayView(file_).sliced(qsizetype(f.offset), qsizetype(f.size)),
                              "JPG");
    current_ = frame;
    update();
    emit frameShown(frame);
}

void FXVid::reportEndSoon() {
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == generation_)
            emit playEnded();
    });
}

void FXVid::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, image_);
}

void FXVid::mouseMoveEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    emit moved(a.button, a.shift, a.x, a.y);
}

void FXVid::mousePressEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    emit pressed(a.button, a.shift, a.x, a.y);
}

void FXVid::mouseReleaseEvent(QMouseEvent* event) {
    const MouseArgs a = MouseArgs::from(event);
    emit released(a.button, a.shift, a.x, a.y);
}

#include "shell/Form.h"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"

#include <QCloseEvent>
#include <QPainter>

Form::Form(Contexte& contexte, const QString& formName, QWidget* parent)
    : QWidget(parent), contexte_(contexte), formName_(formName) {
    setObjectName(formName);
}

void Form::closeEvent(QCloseEvent* event) {
    if (!onQueryUnload()) {
        event->ignore();
        return;
    }
    onUnload();
    contexte_.forms().forget(this);
    event->accept();
}

void Form::setBackgroundPicture(const QImage& picture) {
    background_ = picture;
    update();
}

void Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), QColor(0x2a, 0x5d, 0x8a));
    else
        painter.drawImage(rect(), background_);
}

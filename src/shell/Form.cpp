#include "shell/Form.h"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"

#include <QCloseEvent>

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

#include "shell/ModalGuard.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace {
bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}
} // namespace

ModalGuard::ModalGuard(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

void ModalGuard::guard(QWidget* window) {
    if (window && !window->findChild<ModalGuard*>(QString(), Qt::FindDirectChildrenOnly))
        new ModalGuard(window);
}

bool ModalGuard::blocks(QObject* target, QEvent* event) const {
    if (!window_ || !window_->isVisible() || !isInput(event->type()) || !target->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(target);
    // Only the top-level window that holds the modal window is locked.
    if (widget->window() != window_->window() || window_->isWindow())
        return false;
    return widget != window_ && !window_->isAncestorOf(widget);
}

bool ModalGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!blocks(watched, event))
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(window_.data()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        window_->raise();
        window_->activateWindow();
    }
    return true;
}

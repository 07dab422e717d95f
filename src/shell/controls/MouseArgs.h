#pragma once

#include "shell/Twips.h"

#include <QMouseEvent>

// The arguments of the controls' mouse events: button (1 left, 2 right, 4 middle), shift state
// (1 Shift, 2 Ctrl, 4 Alt) and the position in twips, as every position of the program.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;

    static constexpr int Left = 1;
    static constexpr int Right = 2;
    static constexpr int Middle = 4;

    static MouseArgs from(const QMouseEvent* event) {
        const Qt::MouseButtons buttons =
            event->type() == QEvent::MouseMove ? event->buttons() : event->button();
        int button = 0;
        if (buttons & Qt::LeftButton)
            button |= Left;
        if (buttons & Qt::RightButton)
            button |= Right;
        if (buttons & Qt::MiddleButton)
            button |= Middle;
        const Qt::KeyboardModifiers mods = event->modifiers();
        const int shift = (mods & Qt::ShiftModifier ? 1 : 0) |
                          (mods & Qt::ControlModifier ? 2 : 0) | (mods & Qt::AltModifier ? 4 : 0);
        const QPoint at = event->position().toPoint();
        return {button, shift, Twips::fromPixels(at.x()), Twips::fromPixels(at.y())};
    }
};

// Object name of a control that belongs to an array: "Bouton(8)"; the bare name outside arrays.
inline QString controlName(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

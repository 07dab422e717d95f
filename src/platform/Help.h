#pragma once

#include <QString>

class QWidget;

// The help of the program: topic popups next to a control, and the help window on its
// contents or index.
class Help {
public:
    virtual ~Help() = default;
    // Names the help file to read topics from.
    virtual void setHelpFile(const QString& path) = 0;
    // Shows a topic as a popup next to the control.
    virtual void showTopicPopup(int topic, QWidget* near) = 0;
    virtual void showContents(QWidget* owner) = 0;
    virtual void showIndex(QWidget* owner) = 0;
};

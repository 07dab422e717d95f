#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Makes a window of the document area modal: while it is open, the mouse and the keyboard reach
// nothing else of the main window (neither its buttons nor the other document windows), and
// clicking elsewhere brings the modal window back to the front. Other top-level windows, such as
// the message boxes the modal window asks, are left alone. The guard goes with the window.
class ModalGuard : public QObject {
    Q_OBJECT
public:
    static void guard(QWidget* window);

    // True when the event is input for a widget that the modal window currently forbids.
    bool blocks(QObject* target, QEvent* event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ModalGuard(QWidget* window);
    QPointer<QWidget> window_;
};

#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>

class Contexte;
class Form;
class QMdiArea;

// Creates each window on first use and destroys it when it is unloaded, so that no window needs
// to know how another one is built. Windows of the main window's document area are shown as its
// sub-windows; the others are top-level windows.
class FormRegistry {
public:
    enum class Placement { TopLevel, Child };
    enum class ShowMode { Normal, Maximised, Modal };
    using Factory = std::function<Form*(Contexte&)>;
    // Thrown when a window is asked for that was never registered: a programming error.
    struct UnknownForm : std::logic_error {
        explicit UnknownForm(const QString& name)
            : std::logic_error("unregistered window: " + name.toStdString()) {}
    };

    explicit FormRegistry(Contexte& contexte);
    ~FormRegistry();

    void registerForm(const QString& name, Placement placement, Factory factory);
    // The main window's document area, parent of the child windows.
    void setDocumentArea(QMdiArea* area);

    bool isRegistered(const QString& name) const { return registrations_.contains(name); }
    bool isLoaded(const QString& name) const;
    // The loaded window, loading it first when needed (as touching a form loads it). Every
    // window is reached through get() or show(); a name never registered throws UnknownForm.
    Form* get(const QString& name);
    template <class T> T* get(const QString& name) { return qobject_cast<T*>(get(name)); }
    // The loaded window, or null without loading it.
    Form* find(const QString& name) const;
    Form* show(const QString& name, ShowMode mode = ShowMode::Normal);
    // Closes the window through its query-unload and closing steps. False when it stayed open.
    bool unload(const QString& name);

    // Called by a window whose close was accepted.
    void forget(Form* form);

private:
    void activateMainWindowLater(Form* closed);

    struct Loaded {
        QPointer<Form> form;
        QPointer<QWidget> container; // the sub-window, or the form itself
    };
    struct Registration {
        Placement placement;
        Factory factory;
    };

    Contexte& contexte_;
    QHash<QString, Registration> registrations_;
    QHash<QString, Loaded> loaded_;
    QPointer<QMdiArea> documentArea_;
    QMetaObject::Connection activation_;
    bool pendingActivation_ = false;
    bool openedThisTurn_ = false;
};

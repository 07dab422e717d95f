#include "shell/FormRegistry.h"

#include "shell/Form.h"
#include "shell/ModalGuard.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>

namespace {
// A modal box opens in the middle of the window it belongs to, even without a window manager
// to place it.
void centreOverActiveWindow(QWidget* box) {
    const QWidget* owner = QApplication::activeWindow();
    const QRect area = owner ? owner->frameGeometry()
                             : (box->screen() ? box->screen()->availableGeometry() : QRect());
    if (area.isEmpty())
        return;
    box->adjustSize();
    QRect placed(QPoint(), box->frameGeometry().size());
    placed.moveCenter(area.center());
    box->move(placed.topLeft());
}
} // namespace

FormRegistry::FormRegistry(Contexte& contexte) : contexte_(contexte) {}

FormRegistry::~FormRegistry() {
    // The program is ending: destroy what is left without asking anything, and without
    // activating one window while another is being destroyed.
    if (documentArea_)
        documentArea_->disconnect(activation_);
    const auto remaining = loaded_;
    loaded_.clear();
    for (const Loaded& entry : remaining)
        delete entry.container.data();
}

void FormRegistry::registerForm(const QString& name, Placement placement, Factory factory) {
    registrations_.insert(name, {placement, std::move(factory)});
}

void FormRegistry::setDocumentArea(QMdiArea* area) {
    documentArea_ = area;
    activation_ =
        QObject::connect(area, &QMdiArea::subWindowActivated, area, [](QMdiSubWindow* window) {
            if (auto* form = window ? qobject_cast<Form*>(window->widget()) : nullptr)
                form->onActivate();
        });
}

bool FormRegistry::isLoaded(const QString& name) const {
    return find(name) != nullptr;
}

Form* FormRegistry::find(const QString& name) const {
    const auto it = loaded_.constFind(name);
    return it == loaded_.cend() ? nullptr : it->form.data();
}

Form* FormRegistry::get(const QString& name) {
    if (Form* form = find(name))
        return form;
    const auto registration = registrations_.constFind(name);
    if (registration == registrations_.cend())
        throw UnknownForm(name);

    Form* form = registration->factory(contexte_);
    QWidget* container = form;
    if (registration->placement == Placement::Child && documentArea_) {
        // The program's child windows fill the document area: no frame, no title bar.
        auto* window = new QMdiSubWindow(nullptr, Qt::FramelessWindowHint);
        window->setWidget(form);
        window->setObjectName(name + QStringLiteral("Fenetre"));
        window->setWindowTitle(form->windowTitle());
        documentArea_->addSubWindow(window);
        container = window;
    }
    container->setAttribute(Qt::WA_DeleteOnClose);
    loaded_.insert(name, {form, container});
    form->onLoad();
    return find(name);
}

Form* FormRegistry::show(const QString& name, ShowMode mode) {
    Form* form = get(name);
    // A window opened in this turn of the event loop: closing another one now does not make
    // the main window the active one.
    pendingActivation_ = false;
    openedThisTurn_ = true;
    QTimer::singleShot(0, form, [this] { openedThisTurn_ = false; });
    QWidget* container = loaded_.value(name).container;
    const bool child = container != form;
    switch (mode) {
    case ShowMode::Maximised:
        // Set before showing, so that it holds even while the document area is not shown yet.
        container->setWindowState(container->windowState() | Qt::WindowMaximized);
        container->show();
        break;
    case ShowMode::Modal:
        // A top-level window is made modal by the window system; a document window by a guard
        // that locks the rest of the main window.
        container->setWindowModality(Qt::ApplicationModal);
        if (child)
            ModalGuard::guard(container);
        else
            centreOverActiveWindow(container);
        container->show();
        break;
    case ShowMode::Normal:
        container->show();
        break;
    }
    if (child) {
        form->show();
        documentArea_->setActiveSubWindow(static_cast<QMdiSubWindow*>(container));
    } else {
        container->raise();
        container->activateWindow();
        // A top-level window is activated once it is on screen.
        QTimer::singleShot(0, form, [form] { form->onActivate(); });
    }
    return form;
}

bool FormRegistry::unload(const QString& name) {
    const auto it = loaded_.constFind(name);
    if (it == loaded_.cend())
        return true;
    QPointer<QWidget> container = it->container;
    if (!container) {
        loaded_.remove(name);
        return true;
    }
    // A sub-window asks its form first; the form's closing step then forgets it.
    return container->close();
}

void FormRegistry::forget(Form* form) {
    const QString name = form->formName();
    const auto it = loaded_.constFind(name);
    if (it == loaded_.cend() || it->form != form)
        return;
    QWidget* container = it->container;
    loaded_.remove(name);
    if (container && container != form) {
        // The form closed itself: its sub-window goes with it.
        container->hide();
        container->deleteLater();
    }
    activateMainWindowLater(form);
}

// When a window closes and no other one is opened in the same turn of the event loop, the
// main window is the active one again and runs its activation step. Message boxes are not
// forms, so closing one never runs it.
void FormRegistry::activateMainWindowLater(Form* closed) {
    QPointer<Form> main = documentArea_ ? qobject_cast<Form*>(documentArea_->window()) : nullptr;
    if (!main || main == closed || openedThisTurn_)
        return;
    pendingActivation_ = true;
    QTimer::singleShot(0, main, [this, main] {
        if (!pendingActivation_ || !main)
            return;
        pendingActivation_ = false;
        main->onActivate();
    });
}

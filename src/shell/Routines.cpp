#include "shell/Routines.h"

#include "shell/Contexte.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "shell/controls/FXLabel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QWidget* mainWindowControl(Contexte& contexte, const QString& name) {
    Form* principale = contexte.forms().find(QStringLiteral("Principale"));
    return principale ? principale->findChild<QWidget*>(name) : nullptr;
}

void setArrayVisible(Contexte& contexte, const QString& array, std::initializer_list<int> indexes,
                     bool visible) {
    for (int index : indexes)
        if (QWidget* control =
                mainWindowControl(contexte, QStringLiteral("%1(%2)").arg(array).arg(index)))
            control->setVisible(visible);
}

void clearCaption(QWidget* label) {
    if (auto* fxLabel = qobject_cast<FXLabel*>(label))
        fxLabel->setCaption(QString());
    else if (auto* plainLabel = qobject_cast<QLabel*>(label))
        plainLabel->setText(QString());
}
} // namespace

void PlayEffect(Contexte& contexte, int n) {
    const auto& sounds = contexte.general().EffectSounds;
    if (n < 1 || n > int(sounds.size()))
        return;
    contexte.effects().playImage(sounds[std::size_t(n - 1)]);
}

void MasquerPanneau(Contexte& contexte) {
    setArrayVisible(contexte, QStringLiteral("Commande"), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12},
                    false);
    if (QWidget* label = mainWindowControl(contexte, QStringLiteral("Label1"))) {
        clearCaption(label);
        label->hide();
    }
}

void EntrerActivite(Contexte& contexte) {
    setArrayVisible(contexte, QStringLiteral("Bouton"), {0, 1, 2, 3, 4, 5, 6, 7}, false);
    setArrayVisible(contexte, QStringLiteral("Commande"), {13}, true);
}

FiltreTouches::FiltreTouches(Général& general, QObject* parent)
    : QObject(parent), general_(general) {}

FiltreTouches* FiltreTouches::installerSur(QWidget* fenetre, Général& general) {
    auto* filtre = new FiltreTouches(general, fenetre);
    const auto fields = fenetre->findChildren<QWidget*>();
    for (QWidget* field : fields)
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QTextEdit*>(field) ||
            qobject_cast<QPlainTextEdit*>(field) || qobject_cast<QComboBox*>(field))
            field->installEventFilter(filtre);
    return filtre;
}

bool FiltreTouches::filtrer(QObject* target, QKeyEvent* event) {
    if (event->text() != QStringLiteral("\""))
        return false;
    int code = event->text().at(0).unicode();
    general_.FiltrerTouche(code);
    QKeyEvent replacement(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(),
                          QString(QChar(code)), event->isAutoRepeat());
    QCoreApplication::sendEvent(target, &replacement);
    return true;
}

bool FiltreTouches::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return filtrer(watched, static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

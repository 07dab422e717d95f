#include "shell/Principale.h"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"

#include <QMdiArea>
#include <QVBoxLayout>

Principale::Principale(Contexte& contexte)
    : Form(contexte, QStringLiteral("Principale")), documentArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Brindel"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    documentArea_->setObjectName(QStringLiteral("MDIArea"));
    documentArea_->setBackground(QColor(0x80, 0x80, 0x80));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(documentArea_);
    contexte.forms().setDocumentArea(documentArea_);
}

void Principale::onLoad() {
    const QSize screen = ctx().platform().screen->screenSize();
    if (screen.isValid())
        setGeometry(0, 0, screen.width(), screen.height());
    ctx().forms().unload(QStringLiteral("Accueil"));
}

void Principale::onActivate() {
    ctx().forms().unload(QStringLiteral("Accueil"));
}

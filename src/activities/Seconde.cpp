#include "activities/Seconde.h"

#include "shell/Contexte.h"
#include "shell/controls/FXHotspotPicture.h"

#include <QFileInfo>
#include <QPainter>

Seconde::Seconde(Contexte& contexte)
    : Form(contexte, QStringLiteral("Seconde")),
      FXShape1(new FXHotspotPicture(QStringLiteral("FXShape1"), this)),
      FXShape2(new FXHotspotPicture(QStringLiteral("FXShape2"), this)) {
    setWindowTitle(QStringLiteral("Brindel"));
    FXShape1->hide();
    FXShape2->hide();
}

void Seconde::setBackground(const QString& path) {
    backgroundPath_ = path;
    background_ = QImage(path);
    update();
}

void Seconde::setList(const QString& highlightPicture, const QString& hotspotFile) {
    const QFileInfo highlight(highlightPicture);
    QString plain = highlight.fileName();
    if (plain.startsWith(u'H', Qt::CaseInsensitive))
        plain.remove(0, 1);
    FXShape2->setPicture(ctx().media(QStringLiteral("\\Bitmap\\") + plain));
    FXShape2->setHighlightPicture(highlightPicture);
    FXShape2->setHotspotFile(hotspotFile);
    fit(FXShape2);
}

void Seconde::fit(FXHotspotPicture* control) {
    const QSize picture = control->picture().size();
    if (picture.isEmpty()) {
        control->setGeometry(rect());
        return;
    }
    const QSize fitted = picture.scaled(size(), Qt::KeepAspectRatio);
    control->setGeometry((width() - fitted.width()) / 2, (height() - fitted.height()) / 2,
                         fitted.width(), fitted.height());
}

void Seconde::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), QColor(0x2a, 0x5d, 0x8a));
    else
        painter.drawImage(rect(), background_);
}

void Seconde::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    fit(FXShape1);
    fit(FXShape2);
}

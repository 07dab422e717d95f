#include "periphery/Browser.h"

#include <QDir>
#include <QLabel>
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
QString failurePage(const QString& address) {
    return QStringLiteral("<div style='font-family:DejaVu Sans; color:#203060'>"
                          "<h1>Oh ! Cette page ne s'ouvre pas.</h1>"
                          "<p style='font-size:16pt'>La page <b>%1</b> est introuvable.</p>"
                          "<p style='font-size:16pt'>Vérifie l'adresse, ou clique sur le bouton "
                          "<b>Accueil</b> pour revenir au début de la visite.</p></div>")
        .arg(address.toHtmlEscaped());
}
} // namespace

Browser::Browser(QWidget* parent)
    : QWidget(parent), view_(new QWebEngineView(this)), failure_(new QLabel(this)) {
    view_->setObjectName(QStringLiteral("BrowserView"));
    view_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    failure_->setObjectName(QStringLiteral("PageIntrouvable"));
    failure_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    failure_->setWordWrap(true);
    failure_->setMargin(40);
    failure_->setAutoFillBackground(true);
    failure_->setStyleSheet(QStringLiteral("QLabel { background: #fff8e0; }"));
    failure_->hide();
    connect(view_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(view_, &QWebEngineView::loadFinished, this, &Browser::loadFinished);
}

void Browser::navigate(const QString& address) {
    const QUrl url =
        QUrl::fromUserInput(address.trimmed(), QDir::currentPath(), QUrl::AssumeLocalFile);
    busy_ = true;
    view_->load(url);
}

void Browser::goBack() {
    view_->back();
}

void Browser::goForward() {
    view_->forward();
}

void Browser::refresh() {
    view_->reload();
}

void Browser::stop() {
    view_->stop();
    busy_ = false;
}

QString Browser::locationUrl() const {
    return view_->url().toString();
}

bool Browser::canGoBack() const {
    return view_->history()->canGoBack();
}

bool Browser::canGoForward() const {
    return view_->history()->canGoForward();
}

bool Browser::showsFailure() const {
    return !failure_->isHidden();
}

void Browser::resizeEvent(QResizeEvent* event) {
    view_->setGeometry(rect());
    failure_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void Browser::loadFinished(bool loaded) {
    busy_ = false;
    if (loaded) {
        failure_->hide();
    } else {
        failure_->setText(failurePage(locationUrl()));
        failure_->show();
        failure_->raise();
    }
    emit navigationComplete(loaded);
}

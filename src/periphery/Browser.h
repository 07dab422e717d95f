#pragma once

#include <QWidget>

class QLabel;
class QWebEngineView;

// The visit window's web browser: a desktop web engine with the few operations the window
// uses. When a page cannot be loaded the child sees a French page saying so, over the view.
class Browser : public QWidget {
    Q_OBJECT
public:
    explicit Browser(QWidget* parent = nullptr);

    // Goes to an address as typed: a web address, a file: address or a path of a local file.
    void navigate(const QString& address);
    void goBack();
    void goForward();
    void refresh();
    void stop();
    bool busy() const { return busy_; }
    QString locationUrl() const;
    bool canGoBack() const;
    bool canGoForward() const;
    // True while the French page says that the last page could not be loaded.
    bool showsFailure() const;
    QWebEngineView* view() const { return view_; }

signals:
    // A navigation ended, with the page shown (false when it could not be loaded).
    void navigationComplete(bool loaded);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadFinished(bool loaded);

    QWebEngineView* view_;
    QLabel* failure_;
    bool busy_ = false;
};

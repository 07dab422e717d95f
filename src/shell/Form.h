#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class Contexte;

// A window of the program, with the life of a form: loaded when first used, activated each time
// it becomes the active window, asked before it closes, and unloaded when it closes.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(Contexte& contexte, const QString& formName, QWidget* parent = nullptr);

    const QString& formName() const { return formName_; }

    // Load step: runs once, right after the window is created by the registry.
    virtual void onLoad() {}
    // Activation step: the window became the active one.
    virtual void onActivate() {}
    // Query-unload step: return false to keep the window open.
    virtual bool onQueryUnload() { return true; }
    // Closing step: the window is about to be destroyed.
    virtual void onUnload() {}

    const QImage& backgroundPicture() const { return background_; }

protected:
    Contexte& ctx() { return contexte_; }
    // The picture the window's face shows, stretched over it; a plain colour until one is set.
    void setBackgroundPicture(const QImage& picture);
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Contexte& contexte_;
    QString formName_;
    QImage background_;
};

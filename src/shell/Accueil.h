#pragma once

#include "shell/Form.h"

#include <QPixmap>

// The splash window: its face is the splash picture. Once on screen it loads the main window.
class Accueil : public Form {
    Q_OBJECT
public:
    Accueil(Contexte& contexte, const QPixmap& picture);

    static constexpr int MinimumShowMs = 700;

    void onLoad() override;
    void onActivate() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool mainWindowRequested_ = false;
};

#pragma once

#include "shell/Form.h"

class QMdiArea;

// The main window: a document area without title bar or sizing frame, filling the screen, in
// which every other window of the program is shown.
class Principale : public Form {
    Q_OBJECT
public:
    explicit Principale(Contexte& contexte);

    void onLoad() override;
    void onActivate() override;

    QMdiArea* documentArea() const { return documentArea_; }

private:
    QMdiArea* documentArea_;
};

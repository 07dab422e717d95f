#pragma once

#include "shell/Form.h"

#include <array>

class FXLabel;
class FXShape;
class QLabel;

// The about box: the product name, its version, the makers and a word of thanks, a link to
// write to the makers and one to their web site, "Aide" and "Quitter".
class Apropos : public Form {
    Q_OBJECT
public:
    // Link colours as &HBBGGRR: at rest, under the pointer, once clicked.
    static constexpr unsigned LinkAtRest = 0x80C0FF;
    static constexpr unsigned LinkHovered = 0x80FFFF;
    static constexpr unsigned LinkVisited = 0x80FF80;
    static const QString MailAddress;
    static const QString WebSite;

    explicit Apropos(Contexte& contexte);

    void onActivate() override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    FXLabel* makeLabel(const QString& name, const QString& caption, int y, int height);
    void openLink(FXLabel* link, const QString& address);
    void buttonPressed(int index, int button);
    void buttonClicked(int index);

    QLabel* Image1;
    FXLabel* FXLabel1;
    FXLabel* lblVersion;
    FXLabel* FXLabel2;
    FXLabel* Label2;
    FXLabel* Label1;
    FXLabel* Label4;
    std::array<FXShape*, 2> cmdOK{};
};

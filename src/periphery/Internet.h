#pragma once

#include "shell/Form.h"

#include <QPixmap>
#include <QTimer>
#include <array>

class Browser;
class FXShape;
class QComboBox;

// The web visit: a small browser opening on the local pages beside the program, with home,
// quit, forward, back and refresh buttons and an address box that keeps the addresses visited,
// the latest first.
class Internet : public Form {
    Q_OBJECT
public:
    enum Button { Home = 0, Quit = 1, Forward = 2, Back = 3, Refresh = 4 };
    static constexpr int TileSize = 52;
    // The band above the browser, 800 twips high.
    static constexpr int BandHeight = 800 / 15;

    explicit Internet(Contexte& contexte);

    void onLoad() override;
    bool onQueryUnload() override;
    void onUnload() override;

    const QString& startAddress() const { return startAddress_; }
    Browser* browser() const { return Browser_; }
    QComboBox* adresse() const { return Adresse; }
    FXShape* bouton(int index) const { return Bouton[static_cast<size_t>(index)]; }
    bool isLoading() const { return timTimer.isActive(); }

protected:
    // Enter in the address box navigates to the address typed.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void makeButtons();
    void buttonPressed(int index, int button);
    void buttonClicked(int index);
    void navigateTo(const QString& address);
    void navigationComplete();
    void updateButtonStates();

    Browser* Browser_;
    QComboBox* Adresse;
    std::array<FXShape*, 5> Bouton{};
    QPixmap Picture1;
    QTimer timTimer;
    QString startAddress_;
};

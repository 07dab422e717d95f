#pragma once

#include <QObject>

class Contexte;
class QKeyEvent;
class QWidget;
struct Général;

// Common routines that act through the windows and the sound outputs.

// Plays effect n (1..6) from its memory image on the program's one effects channel; a new
// effect cuts off the one playing. A number outside 1..6 plays nothing.
void PlayEffect(Contexte& contexte, int n);

// On the main window, when it is loaded: hides the word buttons Commande(0)..(9) and the answer
// buttons Commande(11) and (12), empties the word label Label1 and hides it.
void MasquerPanneau(Contexte& contexte);

// On the main window, when it is loaded: hides the activity buttons Bouton(0)..(7) and shows
// the "Action" button Commande(13).
void EntrerActivite(Contexte& contexte);

// Runs every double quote typed into a text field through FiltrerTouche, so that it arrives as
// a guillemet; one alternation for the whole program, kept in Général::GuillemetOuvert.
class FiltreTouches : public QObject {
    Q_OBJECT
public:
    explicit FiltreTouches(Général& general, QObject* parent = nullptr);

    // Installs a filter, owned by the window, on each line edit, text edit and combo box in it.
    static FiltreTouches* installerSur(QWidget* fenetre, Général& general);
    // Filters one key press aimed at target: returns true when it was replaced by a guillemet,
    // which has then been sent to target instead.
    bool filtrer(QObject* target, QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Général& general_;
};

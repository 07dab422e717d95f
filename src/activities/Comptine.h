#pragma once

#include "activities/RhymeOrder.h"
#include "shell/Form.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QTimer>

class FXLabel;
class FXSnd;
class MainPanels;
class QLabel;
class QMouseEvent;

// The nursery-rhyme window ("Comptine 1".."Comptine 10"): the verses of the rhyme stand as
// labels Etiquette(1)..Etiquette(n) in a shuffled order; the pupil drags them one after the other
// with the mouse onto the panel Label1 and presses "Terminer". The main window's rhyme buttons
// Comptines(0..3) drive it: 0 "Terminer", 1 "Arrêter", 2 "Ecouter", 3 "Démarrer".
//
// A verse picked up follows the pointer; passing over another verse plays the dragged verse
// (one sound at a time) and colours the verse passed over; released over the panel it is
// appended there and hidden until "Démarrer".
class Comptine : public Form {
    Q_OBJECT
public:
    explicit Comptine(Contexte& contexte);
    ~Comptine() override;

    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

    // The rhyme buttons, released with the left button.
    void Terminer();
    void Arreter();
    void Ecouter();
    void Demarrer();

    const RhymeOrder& comptine() const { return rhyme_; }
    int NbVers() const { return rhyme_.nbVers(); }
    const QString& TexteComptine() const { return rhyme_.texteComptine(); }
    bool pretAJouer() const { return PretAJouer; }
    // Etiquette(k), k = 0 (the hidden template) .. NbVers.
    FXLabel* etiquette(int k) const { return Etiquette.at(k); }
    FXLabel* panneau() const { return Label1; }

    static constexpr unsigned Violet = 0x800080;
    static constexpr unsigned Vert = 0x8000;
    static constexpr unsigned Rouge = 0xFF;
    static constexpr unsigned Survole = 0x40C0; // orange-brown: the verse passed over
    static constexpr unsigned Noir = 0x000000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Bouton { BoutonTerminer = 0, BoutonArreter = 1, BoutonEcouter = 2, BoutonDemarrer = 3 };

    void relierBoutons(MainPanels& main);
    void appliquerModele(const RhymeOrder::Layout& layout);
    void construireComptine();
    QStringList lireVers();
    void chargerEtiquettes(const QStringList& vers);
    void melanger();
    void placerVers();
    void ajusterTaille(FXLabel* label) const;
    void montrerPanneau(unsigned couleur);
    void layoutControls();

    bool glisser(int k, QMouseEvent* event);
    int versSous(QPoint at, int sauf) const;
    void survoler(int tire, int survole);
    void deposer(int k);
    void jouer(const QString& windowsPath);
    void finDeSon();

    MainPanels* main();

    RhymeOrder rhyme_;
    RhymeOrder::Layout layout_{};
    QList<FXLabel*> Etiquette; // Etiquette(0) is the template
    FXLabel* Label1;
    QLabel* illustre;
    QPixmap illustration_; // the illustration as read, before fitting
    FXSnd* Sonore;
    QTimer Timer1; // not driven
    bool PretAJouer = false;
    int tire_ = 0; // the verse being dragged, 0 for none
    QPoint prise_; // where the dragged label was taken, in its own coordinates
};

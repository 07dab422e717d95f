#pragma once

#include <QString>

class Activites;
class Contexte;
class DataControl;
class FXLabel;
class FXShape;
class FXSnd;
class FXVid;
class QTimer;

// What the other windows use of the main window: its shared data control, its title, the
// buttons of its navigation and activity bars and of the activity panel, the sound control, the
// teacher animation, the timers and the listening activities that count a series. The main
// window implements it, so that a window reaches these without knowing how the main window is
// built.
class MainPanels {
public:
    virtual ~MainPanels() = default;

    // The shared data control Data1.
    virtual DataControl& data() = 0;
    // Switches Data1 to a table and refreshes it.
    virtual void useTable(const QString& table) = 0;
    // The screen title Etiquette(0) and the word label Label1 of the sound panel.
    virtual FXLabel* titre() const = 0;
    virtual FXLabel* motAnglais() const = 0;
    // Bouton 0..14 (activity and navigation bars), Commande 0..14 (word, answer, Action and
    // Ecouter buttons), Comptines 0..3 (the rhyme buttons).
    virtual FXShape* bouton(int index) const = 0;
    virtual FXShape* commande(int index) const = 0;
    virtual FXShape* comptines(int index) const = 0;
    // The sound control Sonore1 and the teacher animation FXVid1.
    virtual FXSnd* sonore() const = 0;
    virtual FXVid* video() const = 0;
    // Timer1 .. Timer4 (Timer4 plays the end-of-series sound).
    virtual QTimer* timer(int number) = 0;
    // Plays the frames from..to of the teacher animation.
    virtual void playTeacherFrames(int from, int to) = 0;
    // The listening activities: counting right answers and the end of a series.
    virtual Activites* activites() const = 0;
    // For windows that answer outside the activity panel (the quiz): the teacher's reaction to
    // a right (true) or wrong answer, and CompterReussite, which ends a series at ten answers.
    virtual void teacherReaction(bool success) = 0;
    virtual void compterReussite() = 0;
    // Takes back the answer buttons of the question phase (DesarmerReponses).
    virtual void desarmerReponses() = 0;
};

// The loaded main window's panels, or null before the main window is loaded.
MainPanels* mainPanels(Contexte& contexte);

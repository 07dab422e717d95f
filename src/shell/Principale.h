#pragma once

#include "shell/Form.h"
#include "shell/MainPanels.h"

#include <QTimer>
#include <array>

class Activites;
class Contexte;
class DataControl;
class FXLabel;
class FXShape;
class FXSnd;
class FXVid;
class HautParleur;
class QMdiArea;
class QSlider;

// The main window: a document area without title bar or sizing frame, filling the screen, in
// which every other window of the program is shown. Around it: the navigation bar (Bouton 8..14
// and the title), the activity bar (Bouton 0..7), the activity panel (word and answer buttons,
// rhyme buttons and the teacher animation) and the sound panel (loudspeaker, volume slider and
// the word label). It owns the shared data control Data1.
class Principale : public Form, public MainPanels {
    Q_OBJECT
public:
    explicit Principale(Contexte& contexte);
    ~Principale() override;

    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;

    // The teacher's greeting animation.
    void Profette();
    // Plays the frames from..to of the teacher animation.
    void playTeacherFrames(int from, int to) override;

    QMdiArea* documentArea() const { return documentArea_; }
    DataControl& data() override { return *Data1; }
    FXShape* bouton(int index) const override { return Bouton.at(static_cast<size_t>(index)); }
    FXShape* commande(int index) const override { return Commande.at(static_cast<size_t>(index)); }
    FXShape* comptines(int index) const override {
        return Comptines.at(static_cast<size_t>(index));
    }
    FXLabel* titre() const override { return Etiquette0; }
    FXLabel* motAnglais() const override { return Label1; }
    FXSnd* sonore() const override { return Sonore1; }
    FXVid* video() const override { return FXVid1; }

    // Switches the shared data control to a table and refreshes it.
    void useTable(const QString& table) override;

    static constexpr int VolumeMaximum = 65000;

    // The listening activities of the activity panel and the chooser's picture.
    Activites* activites() const override { return activites_; }
    void teacherReaction(bool success) override;
    void compterReussite() override;
    void desarmerReponses() override;
    // Timer1 .. Timer4.
    QTimer* timer(int number) override;
    // The loudspeaker picture Image2.
    QWidget* hautParleur() const;

private:
    void buildNavigationBar();
    void buildActivityBar();
    void buildActivityPanel();
    void buildSoundPanel();
    void buildTimers();

    void boutonPressed(int index, int button);
    void boutonClicked(int index);
    void navigate(int index);
    void activityClicked(int index);
    void startQuiz();
    void Retour();
    void Consigne();
    void locateDatabase();
    void endOfTeacherAnimation();
    void volumeChanged(int value);

    QMdiArea* documentArea_;
    QWidget* Picture1;
    QWidget* Picture2;
    QWidget* Picture3;
    QWidget* Picture4;
    std::array<FXShape*, 15> Bouton{};
    std::array<FXShape*, 15> Commande{}; // 0..9 words, 11 Vrai, 12 Faux, 13 Action, 14 Ecouter
    std::array<FXShape*, 4> Comptines{};
    FXLabel* Etiquette0 = nullptr;
    FXLabel* Label1 = nullptr;
    FXVid* FXVid1 = nullptr;
    FXSnd* Sonore1 = nullptr;
    QSlider* Slider1 = nullptr;
    HautParleur* Image2 = nullptr;
    DataControl* Data1 = nullptr;
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
    QTimer Timer4;
    Activites* activites_ = nullptr;
};

// The main window of the program, or null before it is loaded.
Principale* mainWindow(Contexte& contexte);

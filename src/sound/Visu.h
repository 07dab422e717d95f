#pragma once

#include "shell/Form.h"
#include "sound/SoundEngine.h"
#include "sound/StudioView.h"

#include <QTimer>
#include <array>

class FXLabel;
class FXShape;
class QGroupBox;
class QLabel;
class WaveBox;

// The recording studio: the model word (box 1) and the pupil's recording (box 2) drawn as
// waveforms, with buttons to listen to the model, record, stop and listen to the recording.
// Dragging across a box selects a stretch, shown enlarged and played alone.
class Visu : public Form, private StudioView {
    Q_OBJECT
public:
    static inline const QString NoSoundMessage = QStringLiteral(
        "Aucun son n'est arrivé du micro.\nVérifie qu'un micro est branché et allumé, "
        "puis enregistre à nouveau.");
    static inline const QString TimeUpMessage =
        QStringLiteral("Le temps d'enregistrement est écoulé !");

    explicit Visu(Contexte& contexte);
    ~Visu() override;

    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

    // Loads the wave of box i (the model for 1, the recording otherwise) and draws its stretch.
    void charge(int box);
    void DrawWaves(int box);

    // The engine state the studio shares, reachable by tests to script the recording wait.
    Spectro& spectro() { return spectro_; }

private:
    struct BoxState {
        int pressX = 0;
        int pressPm = 0;
        bool selectionView = false;
    };

    void buildBoxes();
    void buildFrames();
    void placeButton(int button, QWidget* frame, int left, const QString& caption, int labelIndex,
                     const QString& label);
    void prepareMainWindow();
    void restoreMainWindow();

    void commandPressed(int button);
    void commandClicked(int button);
    void stopModel();
    void listenModel();
    void record();
    void stopRecording();
    void listenRecording();
    void showStars();
    void quitStudio();
    void recordingLimit();

    void boxPressed(int box, int button, int x);
    void boxMoved(int box, int button, int x);
    void boxReleased(int box, int button, int x);
    void setNormalView(int box);
    void setSelectionView(int box);
    void resetSelection(int box);

    void lightButton(int button);
    void idleButton(int button);
    void setBothBoxesEnabled(bool enabled);

    // StudioView
    void setPlaybackTimerEnabled(bool enabled) override;
    void setRecordingTimerEnabled(bool enabled) override;
    void setCursorX(int box, double x) override;
    void clearOverlay(int box) override;
    void setButtonLook(int button, quint32 colour, int state) override;
    void setButtonEnabled(int button, bool enabled) override;
    void setFrameEnabled(int frame, bool enabled) override;
    void setBoxEnabled(int box, bool enabled) override;

    Spectro spectro_;
    std::array<WaveBox*, 3> Picture1{};
    std::array<FXLabel*, 8> Label1{};
    std::array<QGroupBox*, 3> Frame1{};
    std::array<FXShape*, 6> Command1{};
    std::array<QWidget*, 2> Shape1{};
    QTimer Timer1;
    QTimer Timer2;
    std::array<BoxState, 3> boxes_{};
    bool recordingMade_ = false;
    QString savedTitle_;
    QLabel* Etoiles = nullptr; // the stars and their word, beside the recording box
};

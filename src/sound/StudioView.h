#pragma once

#include <QtGlobal>

// What the sound engine does to the recording studio's controls. The studio window implements
// it; boxes are the waveform boxes 1 (model) and 2 (recording), buttons the Command1 array
// (0..5), frames the Frame1 array (0..2). Positions are in twips, colours &HBBGGRR values.
class StudioView {
public:
    virtual ~StudioView() = default;
    // Timer1: the 20 ms playback-cursor timer.
    virtual void setPlaybackTimerEnabled(bool enabled) = 0;
    // Timer2: the 10 s recording limit.
    virtual void setRecordingTimerEnabled(bool enabled) = 0;
    // Puts both ends (X1 and X2) of the cursor line Line1(box) at x.
    virtual void setCursorX(int box, double x) = 0;
    // Clears what was drawn over Picture1(box); its waveform picture stays.
    virtual void clearOverlay(int box) = 0;
    // Colour and state value (0 lit, 2 idle) of Command1(button).
    virtual void setButtonLook(int button, quint32 colour, int state) = 0;
    virtual void setButtonEnabled(int button, bool enabled) = 0;
    virtual void setFrameEnabled(int frame, bool enabled) = 0;
    virtual void setBoxEnabled(int box, bool enabled) = 0;
};

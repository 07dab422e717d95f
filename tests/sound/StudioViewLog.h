#pragma once

#include "sound/StudioView.h"

#include <QString>
#include <QStringList>

// Records what the engine does to the studio's controls, in order, as lines of text.
class StudioViewLog : public StudioView {
public:
    void setPlaybackTimerEnabled(bool on) override { log(QString("Timer1 %1").arg(on)); }
    void setRecordingTimerEnabled(bool on) override { log(QString("Timer2 %1").arg(on)); }
    void setCursorX(int box, double x) override { log(QString("Line1(%1) %2").arg(box).arg(x)); }
    void clearOverlay(int box) override { log(QString("Cls %1").arg(box)); }
    void setButtonLook(int button, quint32 colour, int state) override {
        log(QString("Command1(%1) &H%2 %3").arg(button).arg(colour, 0, 16).arg(state));
    }
    void setButtonEnabled(int button, bool on) override {
        log(QString("Command1(%1) enabled %2").arg(button).arg(on));
    }
    void setFrameEnabled(int frame, bool on) override {
        log(QString("Frame1(%1) %2").arg(frame).arg(on));
    }
    void setBoxEnabled(int box, bool on) override {
        log(QString("Picture1(%1) %2").arg(box).arg(on));
    }
    void log(const QString& entry) { calls.append(entry); }

    QStringList calls;
};

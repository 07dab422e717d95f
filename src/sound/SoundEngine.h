#pragma once

#include "sound/MciSender.h"
#include "sound/WaveFile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

class Clock;
class StudioView;

// The sound engine: the state the recording studio shares with it (one loaded wave, the stretch
// to draw or play, the selections of the two waveform boxes) and the routines that record and
// play through multimedia command strings. Arrays indexed by box use the indexes 1 and 2.
class Spectro {
public:
    // Fixed cursor scale of the playback tick, in twips: the cursor crosses 6250 for the whole
    // stretch and playback counts as finished past 6080.
    static constexpr double CursorScale = 6250.0;
    static constexpr double CursorEnd = 6080.0;
    static constexpr double CursorParked = -15.0;
    // Milliseconds per sample of 8-bit mono 11 025 Hz sound, as the command strings use it.
    static constexpr double MsPerSample = 0.09;

    Spectro(MciSender& mci, Clock& clock);

    int CurrentWave = 0;   // box worked on: 1 model, 2 recording
    QString FileToPlay;    // file that the next PlayStretch opens
    QString RecordingPath; // the temporary recording file
    QString SaveCommand;   // "save capture " + RecordingPath
    WaveFormatHeader WaveFormat;
    QByteArray WaveData; // the data chunk of the last wave read
    qint32 SampleCount = 0;
    bool WaveLoaded = false;
    qint32 StretchFrom = 0; // sample indexes; milliseconds after PlayStretch
    qint32 StretchTo = 0;
    std::array<qint32, 3> SelStartPm{};
    std::array<qint32, 3> SelEndPm{};
    std::array<qint32, 3> SelStartX{};
    std::array<qint32, 3> SelEndX{};

    // Gives the form of a path that goes into an "open" command; by default the path itself
    // when the file exists and the empty text otherwise.
    std::function<QString(const QString&)> shortPath;
    // Runs pending window events during the one-second wait of StartRecording.
    std::function<void()> processEvents;

    // Reads a RIFF/WAVE file. Anything but a readable wave (empty path, missing or damaged
    // file) leaves no wave loaded: WaveLoaded false, no data, SampleCount 0.
    void LoadWave(const QString& path);
    // The sample at index as a value in [-1, 127/128]; 0 outside the loaded data.
    double GetSample(qint32 index) const;

    void StartRecording(StudioView& view);
    void StopRecording();
    void PlayStretch(StudioView& view);
    void CloseAllSound();
    void PlaybackTick(StudioView& view);

private:
    void clearWave();
    void waitOneSecond();
    void endPlayback(StudioView& view, int box);

    MciSender& mci_;
    Clock& clock_;
};

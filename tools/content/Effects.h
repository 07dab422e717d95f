#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The sound effects \Mcison\son1.wav .. son9.wav, synthesised from tones and envelopes:
// 1 click (shaped button pressed), 2 hover (pointer over a choice), 3 pick (a name, a group or
// an answer chosen), 4 soft pop (spare), 5 sparkle (after an activity button), 6 bounce (an
// activity button pressed), 7 start-up tune, 8 the teacher's ding-dong greeting, 9 end-of-series
// fanfare. All are 8-bit unsigned mono PCM at 11 025 Hz.
namespace Effects {

constexpr int Count = 9;
constexpr int SampleRate = 11025;

// The samples of effect 1..9, each in [-1, 1].
QList<float> samples(int effect);

// A complete WAV file of 8-bit unsigned mono PCM at 11 025 Hz. The data is padded to an even
// size with silence, and ends with silence: the program keeps effects 1-6 in memory trimmed of
// trailing blanks (byte 32), which a final silent byte (128) never is.
QByteArray waveFile(const QList<float>& samples);

// Writes the nine effects into programFolder/Mcison, rewriting only files whose bytes differ.
bool generate(const QString& programFolder, QString* error);

} // namespace Effects

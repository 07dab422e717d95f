#pragma once

#include <QByteArray>
#include <QString>

struct Général;

// Every byte of a file, trimmed of leading and trailing spaces (byte 32 only). A file that
// cannot be read gives an empty result; nothing is created.
QByteArray ReadWholeFile(const QString& path);

// Fills the six effect images of the shared variables from \Mcison\son1.wav … son6.wav of the
// program folder, once at start-up, so that effects play without touching the disk.
void loadEffectSounds(Général& general, const QString& programFolder);

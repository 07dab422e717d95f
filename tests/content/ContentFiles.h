#pragma once

// Readers shared by the checks of the generated program folder.
#include "sound/WaveFile.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <QTest>

// The data lines of a tab-separated source file, split into fields.
inline QList<QStringList> sourceRows(const QString& path) {
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(TestFiles::read(path)).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u'#'))
            rows << trimmed.split(u'\t');
    }
    return rows;
}

// A WAV file read as the program reads it: 8-bit mono PCM at 11025 Hz with more than minData
// bytes of sound.
inline void expectWave(const QString& path, qsizetype minData = 0) {
    const auto wave = parseWave(TestFiles::read(path));
    QVERIFY2(wave && wave->dataSize > minData,
             qPrintable(path + QStringLiteral(" is missing, too short or no WAV")));
    const WaveFormatHeader& f = wave->format;
    QVERIFY2(f.formatTag == 1 && f.channels == 1 && f.samplesPerSec == 11025 &&
                 f.bitsPerSample == 8,
             qPrintable(path + QStringLiteral(" is not 8-bit mono 11025 Hz PCM")));
}

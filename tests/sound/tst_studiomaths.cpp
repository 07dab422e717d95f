#include "WaveBuilder.h"
#include "platform/Clock.h"
#include "sound/SoundEngine.h"
#include "sound/StudioMaths.h"
#include "sound/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using StudioMaths::Selection;

// The selection, stretch and drawing arithmetic of the studio's waveform boxes.
class TestStudioMaths : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    NoCommands mci_;
    SystemClock clock_;

    QString write(const QByteArray& samples) {
        return writeBytes(dir_.filePath(QStringLiteral("w.wav")), makeWave8BitMono(samples));
    }

private slots:
    // Press and release x, and the selection they make (none: a click in place).
    void releaseMakesTheSelection() {
        const std::optional<Selection> none;
        for (const auto& [press, release, expected] :
             {std::tuple{300, 5, std::optional(Selection{2, 49, 10, 300})}, // counts from 10
              {300, -40, Selection{2, 49, 10, 300}},                        // left of the box
              {300, 300, none},
              {1000, 3045, Selection{164, 500, 1000, 3045}}, // rightwards
              {300, 7000, Selection{49, 987, 300, 6010}},    // past the right edge
              {6090, 9000, none},                            // clamped onto the press point
              {5, 300, Selection{1, 49, 5, 300}}})           // a press at the left edge is kept
            QCOMPARE(StudioMaths::selectionOnRelease(press, release), expected);
    }

    void thousandthsAndSampleIndexesRoundHalvesToEven() {
        QCOMPARE(StudioMaths::thousandths(3045, 6090), 500);
        QCOMPARE(StudioMaths::thousandths(6090, 6090), 1000);
        for (const auto& [pm, samples, index] : {std::tuple{500, 11025, 5512}, // half down to even
                                                 {500, 11027, 5514},           // half up to even
                                                 {1000, 11025, 11025},
                                                 {2, 11025, 22},
                                                 {400, 0, 0}})
            QCOMPARE(StudioMaths::sampleAt(pm, samples), index);
    }

    // One point every 10 twips over the stretch, positive samples below the middle line.
    void levelsFollowTheStretch() {
        Spectro wave(mci_, clock_);
        QVERIFY(StudioMaths::waveLevels(wave).isEmpty());
        QByteArray samples(6090, char(0));
        samples.append(QByteArray(6090, char(255)));
        wave.LoadWave(write(samples));
        wave.StretchFrom = 0;
        wave.StretchTo = wave.SampleCount;
        QVector<int> levels = StudioMaths::waveLevels(wave);
        QCOMPARE(levels.size(), 610);
        QCOMPARE(levels.first(), -800);
        QCOMPARE(levels[304], -800); // index 6080 of the low half
        QCOMPARE(levels[305], 794);  // index 6100: 127/128 × 800 = 793.75
        QCOMPARE(levels.last(), 0);  // index SampleCount lies past the data
        wave.StretchFrom = 6090;
        levels = StudioMaths::waveLevels(wave);
        QCOMPARE(levels.count(794), 609);
    }

    // Silence and the least noise hold no sound; only the first byte of each block is read.
    void soundIsTellingFromSilence() {
        for (const auto& [data, blockAlign, sound] : {std::tuple{QByteArray(), 1, false},
                                                      {QByteArray(11025, char(128)), 1, false},
                                                      {QByteArray("\x7f\x81\x80\x7f"), 1, false},
                                                      {QByteArray("\x80\x80\x8c\x80"), 1, true},
                                                      {QByteArray("\x80\x10\x80\x10"), 2, false},
                                                      {QByteArray("\x10"), 0, false}})
            QCOMPARE(StudioMaths::holdsSound(data, blockAlign), sound);
    }
};

QTEST_GUILESS_MAIN(TestStudioMaths)
#include "tst_studiomaths.moc"

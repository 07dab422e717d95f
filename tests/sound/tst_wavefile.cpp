#include "platform/Clock.h"
#include "shell/General.h"
#include "sound/Effects.h"
#include "sound/SoundEngine.h"
#include "sound/StudioMaths.h"
#include "sound/WaveFile.h"

#include "WaveBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using StudioMaths::Selection;

// Reading wave files into the engine's state, the effect images, and the selection, stretch and
// drawing arithmetic of the studio's waveform boxes.
class TestWaveFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    NoCommands mci_;
    SystemClock clock_;

    QString write(const QString& name, const QByteArray& bytes) {
        return TestFiles::write(dir_.filePath(name), bytes);
    }

private slots:
    // A recording as the studio writes it, format chunks longer or shorter than 18 bytes, foreign
    // chunks around the known ones, and odd data sizes, whose sample count rounds half to even.
    void wavesAreReadWithTheirFormatAndSamples() {
        const QByteArray six("\x01\x02\x03\x04\x05\x06");
        const QByteArray range("\x00\x80\xff\x40", 4);
        // The image, its block align, extra format size, data and sample count.
        using Row = std::tuple<QByteArray, int, int, QByteArray, int>;
        QList<Row> rows{
            {makeWave8BitMono(range), 1, 0, range, 4}, // as the studio writes a recording
            {WaveBuilder()
                 .chunk("fmt ", WaveBuilder::format(2, 2, 2 + 10))
                 .chunk("data", six)
                 .image(),
             2, 0x5150, six, 3}, // a long format chunk, of which the first 18 bytes are read
            {WaveBuilder().chunk("fmt ", WaveBuilder::format(1, 1, 0)).chunk("data", six).image(),
             1, 0, six, 6}, // a 16-byte format chunk, with no extra size
            {WaveBuilder()
                 .chunk("LIST", "odd")
                 .chunk("fmt ", WaveBuilder::format(1))
                 .chunk("fact", WaveBuilder::le32(3))
                 .chunk("data", six)
                 .image(),
             1, 0x5150, six, 6}}; // foreign chunks skipped
        // Odd data sizes round the sample count half to even; the last chunk of the file has no
        // pad byte, as many writers leave it.
        for (const auto& [size, count] : {std::pair{5, 2}, {7, 4}, {1, 0}, {8, 4}}) {
            const QByteArray data(size, '\x80');
            rows.append({WaveBuilder()
                             .chunk("fmt ", WaveBuilder::format(2, 2))
                             .chunk("data", data, -1, false)
                             .image(),
                         2, 0x5150, data, count});
        }
        for (const auto& [wave, blockAlign, extraSize, data, sampleCount] : rows) {
            // The format's tag, rate, bits and channels, read at the same places, are checked
            // with other values through the sound channel's reader (tst_audiochannel).
            Spectro spectro(mci_, clock_);
            spectro.LoadWave(write("layout.wav", wave));
            QVERIFY(spectro.WaveLoaded);
            QCOMPARE(spectro.WaveFormat.blockAlign, quint16(blockAlign));
            QCOMPARE(spectro.WaveFormat.extraSize, quint16(extraSize));
            QCOMPARE(spectro.WaveData, data);
            QCOMPARE(spectro.SampleCount, sampleCount);
            // The first byte of each block maps onto -1 .. almost 1; outside the data is silence.
            for (int i = 0; i < sampleCount; ++i)
                QCOMPARE(spectro.GetSample(i), (quint8(data.at(i * blockAlign)) - 128) / 128.0);
            QCOMPARE(spectro.GetSample(-1), 0.0);
            QCOMPARE(spectro.GetSample(int(data.size() + blockAlign - 1) / blockAlign), 0.0);
        }
    }

    // Damaged files, named by their row, an empty path and a file that is not there.
    void unusableFilesLeaveNoWaveAndNoSizesOfTheLastOne_data() {
        QTest::addColumn<QString>("path");
        const auto bad = [this](const char* row, const QByteArray& bytes) {
            QTest::newRow(row) << write(QString::fromLatin1(row) + ".wav", bytes);
        };
        const QByteArray fmt = WaveBuilder::format(1);
        const QByteArray data("\x01\x02\x03\x04");
        const QByteArray good = WaveBuilder().chunk("fmt ", fmt).chunk("data", data).image();
        bad("empty file", QByteArray());
        bad("not riff", "RIFX" + good.mid(4));
        bad("not wave", "RIFF" + WaveBuilder::le32(4) + "AVI ");
        bad("no fmt", WaveBuilder().chunk("data", data).image());
        bad("no data", WaveBuilder().chunk("fmt ", fmt).image());
        bad("block align 0",
            WaveBuilder().chunk("fmt ", WaveBuilder::format(0)).chunk("data", data).image());
        bad("fmt too short", WaveBuilder().chunk("fmt ", fmt.left(12)).chunk("data", data).image());
        bad("data past the end",
            WaveBuilder().chunk("fmt ", fmt).chunk("data", data, 0x7fffffff).image());
        bad("huge fmt size",
            WaveBuilder().chunk("fmt ", fmt, 0xffffffff).chunk("data", data).image());
        bad("cut in the header", good.left(30));
        QTest::newRow("empty path") << QString();
        QTest::newRow("missing file") << dir_.filePath("absent.wav");
    }
    void unusableFilesLeaveNoWaveAndNoSizesOfTheLastOne() {
        QFETCH(QString, path);
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("valid.wav", makeWave8BitMono(QByteArray(11025, '\x90'))));
        QVERIFY(spectro.WaveLoaded);
        spectro.LoadWave(path);
        QVERIFY(!spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 0);
        QVERIFY(spectro.WaveData.isEmpty());
        QCOMPARE(spectro.WaveFormat.blockAlign, quint16(0));
        QCOMPARE(spectro.GetSample(0), 0.0);
    }

    // The six effects are read whole from their files in any letter case, in order, trimmed of
    // spaces only; a missing one is empty, and not created.
    void theSixEffectsAreLoadedInOrderTrimmedOfSpacesOnly() {
        QVERIFY(QDir(dir_.path()).mkpath("fx/MCISON"));
        const QByteArray binary("\0 a\xff\0", 5);
        const QByteArray one = makeWave8BitMono("\x01"), two = makeWave8BitMono("\x02");
        const QList<QByteArray> written{"  \t RIFF data \n  ", binary, "    ", {}, one, " " + two};
        const QList<QByteArray> loaded{"\t RIFF data \n", binary, {}, {}, one, two};
        for (int n = 1; n <= 6; ++n)
            if (n != 4) // the fourth is missing
                write(QStringLiteral("fx/MCISON/SON%1.WAV").arg(n), written[n - 1]);
        Général general;
        loadEffectSounds(general, dir_.filePath("fx"));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(general.EffectSounds[i], loaded[i]);
        QVERIFY(!QFile::exists(dir_.filePath("fx/MCISON/SON4.WAV")));
    }

    // ---- the studio's waveform boxes ----
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
        wave.LoadWave(write("w.wav", makeWave8BitMono(samples)));
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

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wavefile.moc"

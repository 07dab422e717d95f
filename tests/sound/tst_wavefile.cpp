#include "platform/Clock.h"
#include "shell/General.h"
#include "sound/Effects.h"
#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"

#include "WaveBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray samples(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(char(v));
    return bytes;
}

} // namespace

// Reading wave files into the engine's state, and the effect images.
class TestWaveFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    NoCommands mci_;
    SystemClock clock_;

    QString write(const QString& name, const QByteArray& bytes) {
        return writeBytes(dir_.filePath(name), bytes);
    }
    QString validWave() {
        return write(QStringLiteral("valid.wav"), makeWave8BitMono(QByteArray(11025, '\x90')));
    }

private slots:
    // A recording as the studio writes it, format chunks longer or shorter than 18 bytes, foreign
    // chunks around the known ones, and odd data sizes, whose sample count rounds half to even.
    void wavesAreReadWithTheirFormatAndSamples() {
        const QByteArray six = samples({1, 2, 3, 4, 5, 6});
        const QByteArray range = samples({0, 128, 255, 64});
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
            Spectro spectro(mci_, clock_);
            QCOMPARE(spectro.GetSample(0), 0.0); // nothing loaded yet
            spectro.LoadWave(write("layout.wav", wave));
            QVERIFY(spectro.WaveLoaded);
            QCOMPARE(spectro.WaveFormat.formatTag, quint16(1));
            QCOMPARE(spectro.WaveFormat.channels, quint16(blockAlign)); // one byte a channel
            QCOMPARE(spectro.WaveFormat.samplesPerSec, quint32(11025));
            QCOMPARE(spectro.WaveFormat.blockAlign, quint16(blockAlign));
            QCOMPARE(spectro.WaveFormat.bitsPerSample, quint16(8));
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
        const QByteArray data = samples({1, 2, 3, 4});
        bad("empty file", QByteArray());
        bad("not riff",
            "RIFX" + WaveBuilder().chunk("fmt ", fmt).chunk("data", data).image().mid(4));
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
        bad("cut in the header",
            WaveBuilder().chunk("fmt ", fmt).chunk("data", data).image().left(30));
        QTest::newRow("empty path") << QString();
        QTest::newRow("missing file") << dir_.filePath("absent.wav");
    }
    void unusableFilesLeaveNoWaveAndNoSizesOfTheLastOne() {
        QFETCH(QString, path);
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(validWave());
        QVERIFY(spectro.WaveLoaded);
        spectro.LoadWave(path);
        QVERIFY(!spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 0);
        QVERIFY(spectro.WaveData.isEmpty());
        QCOMPARE(spectro.WaveFormat.blockAlign, quint16(0));
        QCOMPARE(spectro.GetSample(0), 0.0);
    }

    // The studio refuses a recording cut short, and even a player a format chunk cut short.
    void aDataChunkCutShortIsRefusedOrCutToTheImage() {
        const QByteArray whole = makeWave8BitMono(samples({1, 2, 3, 4, 5, 6}));
        const QByteArray cut = whole.chopped(2);
        QVERIFY(parseWave(whole).has_value());
        QVERIFY(!parseWave(cut).has_value()); // what a player takes of it: tst_audiochannel
        // A format chunk cut short is still refused: it lacks the block align.
        QVERIFY(!parseWave(whole.first(12 + 8 + 10), ShortChunks::CutToImage).has_value());
    }

    void wholeFileIsReadAndTrimmedOfSpacesOnly() {
        const QByteArray content("  \t RIFF data \n  ", 17);
        QCOMPARE(ReadWholeFile(write("spaces.bin", content)), QByteArray("\t RIFF data \n"));
        const QByteArray binary("\0 a\xff\0", 5);
        QCOMPARE(ReadWholeFile(write("binary.bin", binary)), binary);
        QCOMPARE(ReadWholeFile(write("blank.bin", "    ")), QByteArray());
        const QString path = dir_.filePath("nothing.wav"); // missing: empty, and not created
        QVERIFY(ReadWholeFile(path).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void theSixEffectsAreLoadedInOrderInAnyLetterCase() {
        QVERIFY(QDir(dir_.path()).mkpath("fx/MCISON"));
        for (int n = 1; n <= 7; ++n)
            write(QStringLiteral("fx/MCISON/SON%1.WAV").arg(n),
                  makeWave8BitMono(QByteArray(n, char(n))));
        Général general;
        loadEffectSounds(general, dir_.filePath("fx"));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(general.EffectSounds[i], makeWave8BitMono(QByteArray(i + 1, char(i + 1))));
    }
};

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wavefile.moc"

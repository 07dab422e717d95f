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

class NoCommands : public MciSender {
public:
    int send(const QString&, QString*) override { return MciUnrecognizedCommand; }
};

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
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QString validWave() {
        return write(QStringLiteral("valid.wav"), makeWave8BitMono(QByteArray(11025, '\x90')));
    }

private slots:
    void aWrittenRecordingReadsBackWithItsFormatAndSamples() {
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("rec.wav", makeWave8BitMono(samples({0, 128, 255, 64}))));
        QVERIFY(spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 4);
        QCOMPARE(spectro.WaveFormat.formatTag, quint16(1));
        QCOMPARE(spectro.WaveFormat.channels, quint16(1));
        QCOMPARE(spectro.WaveFormat.samplesPerSec, quint32(11025));
        QCOMPARE(spectro.WaveFormat.blockAlign, quint16(1));
        QCOMPARE(spectro.WaveFormat.bitsPerSample, quint16(8));
        QCOMPARE(spectro.WaveData, samples({0, 128, 255, 64}));
    }

    void samplesMapBytesOntoMinusOneToAlmostOne() {
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("levels.wav", makeWave8BitMono(samples({0, 128, 255}))));
        QCOMPARE(spectro.GetSample(0), -1.0);
        QCOMPARE(spectro.GetSample(1), 0.0);
        QCOMPARE(spectro.GetSample(2), 127.0 / 128.0);
    }

    void samplesOutsideTheDataReadAsSilence() {
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("short.wav", makeWave8BitMono(samples({10, 20}))));
        QCOMPARE(spectro.GetSample(2), 0.0);
        QCOMPARE(spectro.GetSample(-1), 0.0);
        Spectro empty(mci_, clock_);
        QCOMPARE(empty.GetSample(0), 0.0);
    }

    void aLongFormatChunkIsReadForItsFirst18BytesOnly() {
        QByteArray fmt = WaveBuilder::format(2, 2, 2 + 10); // extra size field + 10 bytes
        const QByteArray wave =
            WaveBuilder().chunk("fmt ", fmt).chunk("data", samples({1, 2, 3, 4, 5, 6})).image();
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("longfmt.wav", wave));
        QVERIFY(spectro.WaveLoaded);
        QCOMPARE(spectro.WaveFormat.blockAlign, quint16(2));
        QCOMPARE(spectro.WaveFormat.extraSize, quint16(0x5150));
        QCOMPARE(spectro.WaveData, samples({1, 2, 3, 4, 5, 6}));
        QCOMPARE(spectro.SampleCount, 3);
        QCOMPARE(spectro.GetSample(1), (3 - 128) / 128.0); // first byte of each block
    }

    void aShortPcmFormatChunkLeavesTheExtraSizeAtZero() {
        const QByteArray wave = WaveBuilder()
                                    .chunk("fmt ", WaveBuilder::format(1, 1, 0))
                                    .chunk("data", samples({7}))
                                    .image();
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("fmt16.wav", wave));
        QVERIFY(spectro.WaveLoaded);
        QCOMPARE(spectro.WaveFormat.extraSize, quint16(0));
    }

    void oddDataSizesRoundTheSampleCountHalfToEven_data() {
        QTest::addColumn<int>("dataSize");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 down to 2") << 5 << 2;
        QTest::newRow("3.5 up to 4") << 7 << 4;
        QTest::newRow("0.5 down to 0") << 1 << 0;
        QTest::newRow("even") << 8 << 4;
    }
    void oddDataSizesRoundTheSampleCountHalfToEven() {
        QFETCH(int, dataSize);
        QFETCH(int, expected);
        // The last chunk of the file has no pad byte, as many writers leave it.
        const QByteArray wave = WaveBuilder()
                                    .chunk("fmt ", WaveBuilder::format(2, 2))
                                    .chunk("data", QByteArray(dataSize, '\x80'), -1, false)
                                    .image();
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("odd.wav", wave));
        QVERIFY(spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, expected);
    }

    void chunksBeforeAndBetweenTheKnownOnesAreSkipped() {
        const QByteArray wave = WaveBuilder()
                                    .chunk("LIST", "odd")
                                    .chunk("fmt ", WaveBuilder::format(1))
                                    .chunk("fact", WaveBuilder::le32(3))
                                    .chunk("data", samples({1, 2, 3}))
                                    .image();
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(write("extra.wav", wave));
        QVERIFY(spectro.WaveLoaded);
        QCOMPARE(spectro.WaveData, samples({1, 2, 3}));
    }

    void unusableFilesLeaveNoWaveAndNoSizesOfTheLastOne_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray fmt = WaveBuilder::format(1);
        const QByteArray data = samples({1, 2, 3, 4});
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not riff") << QByteArray("RIFX\x10\0\0\0WAVEfmt ", 16);
        QTest::newRow("not wave") << ("RIFF" + WaveBuilder::le32(4) + "AVI ");
        QTest::newRow("no fmt") << WaveBuilder().chunk("data", data).image();
        QTest::newRow("no data") << WaveBuilder().chunk("fmt ", fmt).image();
        QTest::newRow("block align 0")
            << WaveBuilder().chunk("fmt ", WaveBuilder::format(0)).chunk("data", data).image();
        QTest::newRow("fmt too short")
            << WaveBuilder().chunk("fmt ", fmt.left(12)).chunk("data", data).image();
        QTest::newRow("data past the end")
            << WaveBuilder().chunk("fmt ", fmt).chunk("data", data, 0x7fffffff).image();
        QTest::newRow("huge fmt size")
            << WaveBuilder().chunk("fmt ", fmt, 0xffffffff).chunk("data", data).image();
        QTest::newRow("cut in the header")
            << WaveBuilder().chunk("fmt ", fmt).chunk("data", data).image().left(30);
    }
    void unusableFilesLeaveNoWaveAndNoSizesOfTheLastOne() {
        QFETCH(QByteArray, bytes);
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(validWave());
        QVERIFY(spectro.WaveLoaded);
        spectro.LoadWave(write("bad.wav", bytes));
        QVERIFY(!spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 0);
        QVERIFY(spectro.WaveData.isEmpty());
        QCOMPARE(spectro.WaveFormat.blockAlign, quint16(0));
        QCOMPARE(spectro.GetSample(0), 0.0);
    }

    // The studio refuses a recording cut short; the player takes what is there of a sound.
    void aDataChunkCutShortIsRefusedOrCutToTheImage() {
        const QByteArray whole = makeWave8BitMono(samples({1, 2, 3, 4, 5, 6}));
        const QByteArray cut = whole.chopped(2);
        QVERIFY(parseWave(whole).has_value());
        QVERIFY(!parseWave(cut).has_value());
        const auto taken = parseWave(cut, ShortChunks::CutToImage);
        QVERIFY(taken.has_value());
        QCOMPARE(taken->dataSize, qsizetype(4));
        QCOMPARE(cut.sliced(taken->dataOffset, taken->dataSize), samples({1, 2, 3, 4}));
        // A format chunk cut short is still refused: it lacks the block align.
        QVERIFY(!parseWave(whole.first(12 + 8 + 10), ShortChunks::CutToImage).has_value());
    }

    void anEmptyOrMissingPathLeavesNoWave() {
        Spectro spectro(mci_, clock_);
        spectro.LoadWave(validWave());
        spectro.LoadWave(QString());
        QVERIFY(!spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 0);
        spectro.LoadWave(validWave());
        spectro.LoadWave(dir_.filePath("absent.wav"));
        QVERIFY(!spectro.WaveLoaded);
        QCOMPARE(spectro.SampleCount, 0);
    }

    void halfEvenRoundingOfProductsAndQuotients() {
        QCOMPARE(roundHalfEven(992.25), 992);
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(3.5), 4);
        QCOMPARE(roundHalfEven(-2.5), -2);
        QCOMPARE(divideHalfEven(9, 2), 4);
        QCOMPARE(divideHalfEven(11, 2), 6);
        QCOMPARE(divideHalfEven(10, 3), 3);
        QCOMPARE(divideHalfEven(11, 3), 4);
    }

    void wholeFileIsReadAndTrimmedOfSpacesOnly() {
        const QByteArray content("  \t RIFF data \n  ", 17);
        QCOMPARE(ReadWholeFile(write("spaces.bin", content)), QByteArray("\t RIFF data \n"));
        const QByteArray binary("\0 a\xff\0", 5);
        QCOMPARE(ReadWholeFile(write("binary.bin", binary)), binary);
        QCOMPARE(ReadWholeFile(write("blank.bin", "    ")), QByteArray());
    }

    void aMissingFileReadsEmptyAndIsNotCreated() {
        const QString path = dir_.filePath("nothing.wav");
        QVERIFY(ReadWholeFile(path).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void theSixEffectsAreLoadedInOrderInAnyLetterCase() {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkdir("MCISON"));
        for (int n = 1; n <= 7; ++n) {
            QFile file(program.filePath(QStringLiteral("MCISON/SON%1.WAV").arg(n)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(makeWave8BitMono(QByteArray(n, char(n))));
        }
        Général general;
        loadEffectSounds(general, program.path());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(general.EffectSounds[i], makeWave8BitMono(QByteArray(i + 1, char(i + 1))));
    }
};

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wavefile.moc"

#include "WaveBuilder.h"
#include "platform/Clock.h"
#include "sound/MciSender.h"
#include "sound/SoundEngine.h"
#include "sound/StudioMaths.h"
#include "sound/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using StudioMaths::Selection;

Q_DECLARE_METATYPE(std::optional<Selection>)

namespace {
class SilentMci : public MciSender {
public:
    int send(const QString&, QString* reply) override {
        if (reply)
            reply->clear();
        return MciOk;
    }
};
} // namespace

// The selection, stretch and drawing arithmetic of the studio's waveform boxes.
class TestStudioMaths : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    SilentMci mci_;
    SystemClock clock_;

    QString write(const QByteArray& samples) {
        return writeBytes(dir_.filePath(QStringLiteral("w.wav")), makeWave8BitMono(samples));
    }

private slots:
    void releaseMakesTheSelection_data() {
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("release");
        QTest::addColumn<std::optional<Selection>>("expected");
        const auto none = std::optional<Selection>();
        QTest::newRow("release at 5 after 300 counts from 10")
            << 300 << 5 << std::optional(Selection{2, 49, 10, 300});
        QTest::newRow("release left of the box")
            << 300 << -40 << std::optional(Selection{2, 49, 10, 300});
        QTest::newRow("release at the press point") << 300 << 300 << none;
        QTest::newRow("rightwards drag")
            << 1000 << 3045 << std::optional(Selection{164, 500, 1000, 3045});
        QTest::newRow("release past the right edge")
            << 300 << 7000 << std::optional(Selection{49, 987, 300, 6010});
        QTest::newRow("clamped release at the press point") << 6090 << 9000 << none;
        QTest::newRow("press at the left edge is kept")
            << 5 << 300 << std::optional(Selection{1, 49, 5, 300});
    }
    void releaseMakesTheSelection() {
        QFETCH(int, press);
        QFETCH(int, release);
        QFETCH(std::optional<Selection>, expected);
        QCOMPARE(StudioMaths::selectionOnRelease(press, release), expected);
    }

    void thousandthsAndSampleIndexesRoundHalvesToEven_data() {
        QTest::addColumn<int>("pm");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("index");
        QTest::newRow("half down to even") << 500 << 11025 << 5512;
        QTest::newRow("half up to even") << 500 << 11027 << 5514;
        QTest::newRow("whole sound") << 1000 << 11025 << 11025;
        QTest::newRow("small") << 2 << 11025 << 22;
        QTest::newRow("no samples") << 400 << 0 << 0;
    }
    void thousandthsAndSampleIndexesRoundHalvesToEven() {
        QFETCH(int, pm);
        QFETCH(int, samples);
        QFETCH(int, index);
        QCOMPARE(StudioMaths::sampleAt(pm, samples), index);
        QCOMPARE(StudioMaths::thousandths(3045, 6090), 500);
        QCOMPARE(StudioMaths::thousandths(6090, 6090), 1000);
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

    void soundIsTellingFromSilence_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("blockAlign");
        QTest::addColumn<bool>("sound");
        QTest::newRow("nothing") << QByteArray() << 1 << false;
        QTest::newRow("silence") << QByteArray(11025, char(128)) << 1 << false;
        QTest::newRow("least noise") << QByteArray("\x7f\x81\x80\x7f") << 1 << false;
        QTest::newRow("a voice") << QByteArray("\x80\x80\x8c\x80") << 1 << true;
        QTest::newRow("second byte of blocks not read")
            << QByteArray("\x80\x10\x80\x10") << 2 << false;
        QTest::newRow("no block align") << QByteArray("\x10") << 0 << false;
    }
    void soundIsTellingFromSilence() {
        QFETCH(QByteArray, data);
        QFETCH(int, blockAlign);
        QFETCH(bool, sound);
        QCOMPARE(StudioMaths::holdsSound(data, blockAlign), sound);
    }
};

QTEST_GUILESS_MAIN(TestStudioMaths)
#include "tst_studiomaths.moc"

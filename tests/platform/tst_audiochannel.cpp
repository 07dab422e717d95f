#include "platform/QtAudioChannel.h"
#include "platform/TimedAudioChannel.h"
#include "platform/WaveImage.h"
#include "sound/WaveBuilder.h"
#include "support/Fakes.h"
#include "support/MediaWriters.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray ramp8(int n) {
    QByteArray pcm;
    for (int i = 0; i < n; ++i)
        pcm += char(i % 256);
    return pcm;
}

struct SilentChannel {
    FakeClock clock;
    NullAudioChannel channel{clock};
    QSignalSpy ends{&channel, &AudioChannel::finished};
    // Moves the clock on and lets the channel look at it; the ends reported so far.
    qsizetype after(qint64 ms) {
        clock.advance(ms);
        channel.poll();
        return ends.count();
    }
};
} // namespace

class TestAudioChannel : public QObject {
    Q_OBJECT

private slots:
    // ---- reading wave images ----
    // What the header says, and whole frames only of the data that is there, whatever the data
    // chunk claims; the length is rounded to the nearest millisecond.
    void wavesAreReadWithTheirFramesAndLength() {
        QByteArray overclaiming = MediaWriters::wave(8000, 16, 2, QByteArray(400, '\x01'));
        qToLittleEndian<quint32>(0x7FFFFFFF,
                                 overclaiming.data() + overclaiming.indexOf("data") + 4);
        overclaiming.chop(3); // and the last frame is cut short
        for (const auto& [image, rate, bits, channels, frames, lengthMs] :
             {std::tuple{MediaWriters::wave(11025, 8, 1, ramp8(11025)), 11025, 8, 1, 11025, 1000},
              {MediaWriters::wave(11025, 8, 1, ramp8(1001)), 11025, 8, 1, 1001, 91},
              {overclaiming, 8000, 16, 2, 99, 12}}) {
            const auto wave = WaveImage::parse(image);
            QVERIFY(wave);
            QCOMPARE(wave->sampleRate, rate);
            QCOMPARE(wave->bitsPerSample, bits);
            QCOMPARE(wave->channels, channels);
            QCOMPARE(wave->frameCount(), frames);
            QCOMPARE(wave->pcm.size(), frames * channels * bits / 8);
            QCOMPARE(wave->lengthMs(), lengthMs);
        }
    }

    // Besides what the wave reader refuses anyway (tested with the studio's files): what the
    // sound channel cannot play (compressed, 24-bit, no channel), and a missing data chunk,
    // which a cut-short image cannot excuse.
    void unusableImagesAreRefused() {
        QByteArray compressed = MediaWriters::wave(11025, 8, 1, ramp8(10));
        compressed[20] = 2; // format tag 2: not plain PCM
        QByteArray noData = MediaWriters::wave(11025, 8, 1, ramp8(10));
        noData.replace("data", "junk");
        for (const QByteArray& image :
             {compressed, noData, MediaWriters::wave(11025, 24, 1, ramp8(30)),
              MediaWriters::wave(11025, 8, 0, ramp8(30))})
            QVERIFY(!WaveImage::parse(image));
    }

    void everyTruncationIsReadSafely() {
        const QByteArray image = MediaWriters::wave(11025, 16, 2, QByteArray(64, '\x7f'));
        for (qsizetype cut = 0; cut <= image.size(); ++cut)
            if (const auto wave = WaveImage::parse(image.left(cut)))
                QVERIFY(wave->pcm.size() <= cut && wave->pcm.size() % 4 == 0);
    }

    // 8-bit samples are centred; channels are mixed or repeated and the rate changed.
    void conversionToSixteenBit() {
        const auto eight =
            WaveImage::parse(MediaWriters::wave(8000, 8, 1, QByteArray("\x00\x80\xff", 3)));
        QCOMPARE(eight->toInt16(8000, 1), int16Samples({-32768, 0, 127 * 256}));
        const auto stereo = WaveImage::parse(
            MediaWriters::wave(8000, 16, 2, int16Samples({1000, 3000, 1000, 3000})));
        QCOMPARE(stereo->toInt16(8000, 1), int16Samples({2000, 2000}));
        QCOMPARE(stereo->toInt16(16000, 2),
                 int16Samples({1000, 3000, 1000, 3000, 1000, 3000, 1000, 3000}));
    }

    void sliceKeepsTheFramesOfTheRange() {
        const auto wave = WaveImage::parse(MediaWriters::wave(1000, 8, 1, ramp8(1000)));
        const WaveImage part = wave->slice(100, 250);
        QCOMPARE(part.frameCount(), 150);
        QCOMPARE(quint8(part.pcm.at(0)), quint8(100));
        QCOMPARE(wave->slice(900, 5000).frameCount(), 100);
        QCOMPARE(wave->slice(300, 100).frameCount(), 0);
    }

    // ---- the silent channel ----
    // A sound cut off by the next one, or stopped, reports no end of its own.
    void soundCutOffOrStoppedReportsNothing() {
        SilentChannel c;
        c.channel.playImage(MediaWriters::silence(300));
        c.clock.advance(100);
        c.channel.playImage(MediaWriters::silence(300));
        QCOMPARE(c.channel.positionMs(), 0);
        QCOMPARE(c.after(250), 0); // the first sound would have ended by now
        QCOMPARE(c.after(50), 1);
        c.channel.playImage(MediaWriters::silence(100));
        c.channel.stop();
        QCOMPARE(c.after(500), 1);
        QVERIFY(!c.channel.isPlaying());
    }

    void missingOrBrokenFileReportsItsEndAtOnceButNotInline() {
        SilentChannel c;
        auto& [clock, channel, ends] = c;
        QTemporaryDir dir;
        channel.playFile(dir.filePath(QStringLiteral("absent.wav")));
        QCOMPARE(ends.count(), 0); // queued: the caller finishes its handler first
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 1);
        channel.playFile(writeBytes(dir.filePath("broken.wav"), "RIFF junk"));
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 2);
        QCOMPARE(channel.lengthMs(), 0);
        channel.playFile(QString());
        channel.stop(); // a stop cancels the queued report
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 2);
    }

    // A stretch of a file plays, in time, from its start to its end, which is reported once.
    void rangeOfAFilePlaysOnlyThatStretchAndReportsItsEndOnce() {
        SilentChannel c;
        QTemporaryDir dir;
        c.channel.playFileRange(writeBytes(dir.filePath("mot.wav"), MediaWriters::silence(1000)),
                                200, 500);
        QVERIFY(c.channel.isPlaying());
        QCOMPARE(c.channel.lengthMs(), 1000);
        QCOMPARE(c.channel.positionMs(), 200);
        QCOMPARE(c.after(299), 0);
        QCOMPARE(c.channel.positionMs(), 499);
        QCOMPARE(c.after(1), 1);
        QVERIFY(!c.channel.isPlaying());
        QCOMPARE(c.channel.positionMs(), 500);
        QCOMPARE(c.after(1000), 1);
    }

    void volumeIsKeptWithinItsRange() {
        SilentChannel c;
        QCOMPARE(c.channel.volume(), 65000);
        for (const auto& [asked, kept] : {std::pair{70000, 65000}, {-5, 0}, {3000, 3000}}) {
            c.channel.setVolume(asked);
            QCOMPARE(c.channel.volume(), kept);
        }
    }

    // ---- the channel on the audio server ----
    // Its end is reported once, and no earlier than the sound itself.
    void serverChannelReportsTheEndOnceNoEarlierThanTheSound() {
        SystemClock clock;
        QtAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        QElapsedTimer watch;
        watch.start();
        channel.playImage(MediaWriters::silence(200));
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 5000);
        QVERIFY2(watch.elapsed() >= 200, qPrintable(QString::number(watch.elapsed())));
        qInfo("sound reached the audio server: %s; end after %lld ms",
              channel.lastSoundAudible() ? "yes" : "no", watch.elapsed());
        QTest::qWait(50);
        channel.poll();
        QCOMPARE(ends.count(), 1);
    }
};

QTEST_MAIN(TestAudioChannel)
#include "tst_audiochannel.moc"

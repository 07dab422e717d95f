#include "platform/QtAudioChannel.h"
#include "platform/TimedAudioChannel.h"
#include "platform/WaveImage.h"
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

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

qint16 int16At(const QByteArray& bytes, int i) {
    return qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
}
} // namespace

class TestAudioChannel : public QObject {
    Q_OBJECT

    static void advance(FakeClock& clock, qint64 ms) { clock.advance(ms); }

private slots:
    // ---- reading wave images ----
    void eightBitMonoIsReadWithItsLength() {
        const auto wave = WaveImage::parse(MediaWriters::wave(11025, 8, 1, ramp8(11025)));
        QVERIFY(wave);
        QCOMPARE(wave->channels, 1);
        QCOMPARE(wave->sampleRate, 11025);
        QCOMPARE(wave->bitsPerSample, 8);
        QCOMPARE(wave->frameCount(), 11025);
        QCOMPARE(wave->lengthMs(), 1000);
    }

    void dataChunkClaimingMoreThanTheFileIsCutToWhatIsThere() {
        QByteArray image = MediaWriters::wave(8000, 16, 2, QByteArray(400, '\x01'));
        const qsizetype data = image.indexOf("data");
        qToLittleEndian<quint32>(0x7FFFFFFF, image.data() + data + 4);
        image.chop(3); // and the last frame is cut short
        const auto wave = WaveImage::parse(image);
        QVERIFY(wave);
        QCOMPARE(wave->pcm.size(), 396); // whole 4-byte frames only
        QCOMPARE(wave->frameCount(), 99);
    }

    void oddEightBitDataKeepsEverySample() {
        const auto wave = WaveImage::parse(MediaWriters::wave(11025, 8, 1, ramp8(1001)));
        QVERIFY(wave);
        QCOMPARE(wave->frameCount(), 1001);
    }

    void unusableImagesAreRefused_data() {
        QTest::addColumn<QByteArray>("image");
        QByteArray compressed = MediaWriters::wave(11025, 8, 1, ramp8(10));
        compressed[20] = 2; // format tag 2: not plain PCM
        QByteArray noData = MediaWriters::wave(11025, 8, 1, ramp8(10));
        noData.replace("data", "junk");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not RIFF") << QByteArray("hello world, this is text");
        QTest::newRow("compressed") << compressed;
        QTest::newRow("no data chunk") << noData;
        QTest::newRow("24-bit") << MediaWriters::wave(11025, 24, 1, ramp8(30));
        QTest::newRow("zero channels") << MediaWriters::wave(11025, 8, 0, ramp8(30));
    }
    void unusableImagesAreRefused() {
        QFETCH(QByteArray, image);
        QVERIFY(!WaveImage::parse(image));
    }

    void everyTruncationIsReadSafely() {
        const QByteArray image = MediaWriters::wave(11025, 16, 2, QByteArray(64, '\x7f'));
        for (qsizetype cut = 0; cut <= image.size(); ++cut)
            if (const auto wave = WaveImage::parse(image.left(cut)))
                QVERIFY(wave->pcm.size() <= cut && wave->pcm.size() % 4 == 0);
    }

    void conversionToSixteenBitCentresEightBitSamples() {
        const auto wave =
            WaveImage::parse(MediaWriters::wave(8000, 8, 1, QByteArray("\x00\x80\xff", 3)));
        const QByteArray out = wave->toInt16(8000, 1);
        QCOMPARE(out.size(), 6);
        QCOMPARE(int16At(out, 0), qint16(-32768));
        QCOMPARE(int16At(out, 1), qint16(0));
        QCOMPARE(int16At(out, 2), qint16(127 * 256));
    }

    void conversionMixesChannelsAndChangesRate() {
        QByteArray pcm;
        for (qint16 v : {qint16(1000), qint16(3000), qint16(1000), qint16(3000)}) {
            char b[2];
            qToLittleEndian(v, b);
            pcm.append(b, 2);
        }
        const auto stereo = WaveImage::parse(MediaWriters::wave(8000, 16, 2, pcm));
        const QByteArray mono = stereo->toInt16(8000, 1);
        QCOMPARE(mono.size(), 4);
        QCOMPARE(int16At(mono, 0), qint16(2000));
        const QByteArray doubled = stereo->toInt16(16000, 2);
        QCOMPARE(doubled.size(), 4 * 2 * 2);
        QCOMPARE(int16At(doubled, 1), qint16(3000));
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
    void silentChannelKeepsTimeAndReportsTheEndOnce() {
        FakeClock clock;
        NullAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playImage(MediaWriters::silence(500));
        QVERIFY(channel.isPlaying());
        QCOMPARE(channel.lengthMs(), 500);
        advance(clock, 200);
        QCOMPARE(channel.positionMs(), 200);
        channel.poll();
        QCOMPARE(ends.count(), 0);
        advance(clock, 300);
        channel.poll();
        QCOMPARE(ends.count(), 1);
        QVERIFY(!channel.isPlaying());
        QCOMPARE(channel.positionMs(), 500);
        advance(clock, 1000);
        channel.poll();
        QCOMPARE(ends.count(), 1);
    }

    void soundCutOffByTheNextReportsNothing() {
        FakeClock clock;
        NullAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playImage(MediaWriters::silence(300));
        advance(clock, 100);
        channel.playImage(MediaWriters::silence(300));
        QCOMPARE(channel.positionMs(), 0);
        advance(clock, 250);
        channel.poll();
        QCOMPARE(ends.count(), 0); // the first sound would have ended by now
        advance(clock, 50);
        channel.poll();
        QCOMPARE(ends.count(), 1);
    }

    void stoppedSoundReportsNothing() {
        FakeClock clock;
        NullAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playImage(MediaWriters::silence(100));
        channel.stop();
        advance(clock, 500);
        channel.poll();
        QCOMPARE(ends.count(), 0);
        QVERIFY(!channel.isPlaying());
    }

    void missingOrBrokenFileReportsItsEndAtOnceButNotInline() {
        FakeClock clock;
        QTemporaryDir dir;
        NullAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playFile(dir.filePath(QStringLiteral("absent.wav")));
        QCOMPARE(ends.count(), 0); // queued: the caller finishes its handler first
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 1);
        channel.playFile(writeFile(dir, QStringLiteral("broken.wav"), "RIFF junk"));
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 2);
        QCOMPARE(channel.lengthMs(), 0);
        channel.playFile(QString());
        channel.stop(); // a stop cancels the queued report
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 2);
    }

    void rangeOfAFilePlaysOnlyThatStretch() {
        FakeClock clock;
        QTemporaryDir dir;
        NullAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playFileRange(
            writeFile(dir, QStringLiteral("mot.wav"), MediaWriters::silence(1000)), 200, 500);
        QCOMPARE(channel.lengthMs(), 1000);
        QCOMPARE(channel.positionMs(), 200);
        advance(clock, 299);
        channel.poll();
        QCOMPARE(ends.count(), 0);
        advance(clock, 1);
        channel.poll();
        QCOMPARE(ends.count(), 1);
        QCOMPARE(channel.positionMs(), 500);
    }

    void volumeIsKeptWithinItsRange() {
        FakeClock clock;
        NullAudioChannel channel(clock);
        QCOMPARE(channel.volume(), 65000);
        channel.setVolume(70000);
        QCOMPARE(channel.volume(), 65000);
        channel.setVolume(-5);
        QCOMPARE(channel.volume(), 0);
    }

    // ---- the channel on the audio server ----
    void serverChannelReportsTheEndOnceWithOrWithoutAServer() {
        FakeClock clock;
        QtAudioChannel channel(clock);
        QSignalSpy ends(&channel, &AudioChannel::finished);
        channel.playImage(MediaWriters::silence(150));
        QVERIFY(channel.isPlaying());
        QCOMPARE(channel.lengthMs(), 150);
        advance(clock, 100);
        channel.poll();
        QCOMPARE(ends.count(), 0);
        advance(clock, 2000); // past the sound and any output latency
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 5000);
        channel.poll();
        QCOMPARE(ends.count(), 1);
    }

    void serverChannelEndsNoEarlierThanTheSoundItself() {
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
    }
};

QTEST_MAIN(TestAudioChannel)
#include "tst_audiochannel.moc"

#include "platform/NullAudioCapture.h"
#include "platform/TimedAudioChannel.h"
#include "platform/WaveImage.h"
#include "sound/PcmConverter.h"
#include "sound/WaveBuilder.h"
#include "support/Fakes.h"
#include "support/MediaWriters.h"

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

// The sound channel's reading of wave images, the silent stand-ins for the channel and the
// input, and the conversion of captured sound to 8-bit mono 11 025 Hz.
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
    // sound channel cannot play (compressed, 24-bit, no channel), and a missing data chunk or a
    // format chunk cut short, which a cut-short image cannot excuse. No truncation reads past
    // the image.
    void unusableOrTruncatedImagesAreRefusedOrReadSafely() {
        QByteArray compressed = MediaWriters::wave(11025, 8, 1, ramp8(10));
        compressed[20] = 2; // format tag 2: not plain PCM
        QByteArray noData = MediaWriters::wave(11025, 8, 1, ramp8(10));
        noData.replace("data", "junk");
        for (const QByteArray& image :
             {compressed, noData, MediaWriters::wave(11025, 24, 1, ramp8(30)),
              MediaWriters::wave(11025, 8, 0, ramp8(30)),
              MediaWriters::wave(11025, 8, 1, ramp8(30)).first(12 + 8 + 10)})
            QVERIFY(!WaveImage::parse(image));
        const QByteArray image = MediaWriters::wave(11025, 16, 2, QByteArray(64, '\x7f'));
        for (qsizetype cut = 0; cut <= image.size(); ++cut)
            if (const auto wave = WaveImage::parse(image.left(cut)))
                QVERIFY(wave->pcm.size() <= cut && wave->pcm.size() % 4 == 0);
    }

    // 8-bit samples are centred; channels are mixed or repeated and the rate changed. A slice
    // keeps the frames of its range, cut to the sound.
    void conversionToSixteenBitAndSlices() {
        const auto eight =
            WaveImage::parse(MediaWriters::wave(8000, 8, 1, QByteArray("\x00\x80\xff", 3)));
        QCOMPARE(eight->toInt16(8000, 1), int16Samples({-32768, 0, 127 * 256}));
        const auto stereo = WaveImage::parse(
            MediaWriters::wave(8000, 16, 2, int16Samples({1000, 3000, 1000, 3000})));
        QCOMPARE(stereo->toInt16(8000, 1), int16Samples({2000, 2000}));
        QCOMPARE(stereo->toInt16(16000, 2),
                 int16Samples({1000, 3000, 1000, 3000, 1000, 3000, 1000, 3000}));
        const auto wave = WaveImage::parse(MediaWriters::wave(1000, 8, 1, ramp8(1000)));
        const WaveImage part = wave->slice(100, 250);
        QCOMPARE(part.frameCount(), 150);
        QCOMPARE(quint8(part.pcm.at(0)), quint8(100));
        QCOMPARE(wave->slice(900, 5000).frameCount(), 100);
        QCOMPARE(wave->slice(300, 100).frameCount(), 0);
    }

    // ---- the silent channel ----
    // A stretch of a file plays, in time, from its start to its end, which is reported once; a
    // sound cut off by the next one, or stopped, reports no end of its own. The volume is kept
    // within its range. A file that cannot be played reports its end at once.
    void soundsPlayInTimeAndReportTheirEndOnceUnlessCutOffOrStopped() {
        SilentChannel c;
        QTemporaryDir dir;
        c.channel.playFileRange(
            TestFiles::write(dir.filePath("mot.wav"), MediaWriters::silence(1000)), 200, 500);
        QVERIFY(c.channel.isPlaying());
        QCOMPARE(c.channel.lengthMs(), 1000);
        QCOMPARE(c.channel.positionMs(), 200);
        QCOMPARE(c.after(299), 0);
        QCOMPARE(c.channel.positionMs(), 499);
        QCOMPARE(c.after(1), 1);
        QVERIFY(!c.channel.isPlaying());
        QCOMPARE(c.channel.positionMs(), 500);
        QCOMPARE(c.after(1000), 1);
        c.channel.playImage(MediaWriters::silence(300));
        c.clock.advance(100);
        c.channel.playImage(MediaWriters::silence(300));
        QCOMPARE(c.channel.positionMs(), 0);
        QCOMPARE(c.after(250), 1); // the first sound would have ended by now
        QCOMPARE(c.after(50), 2);
        c.channel.playImage(MediaWriters::silence(100));
        c.channel.stop();
        QCOMPARE(c.after(500), 2);
        QVERIFY(!c.channel.isPlaying());
        QCOMPARE(c.channel.volume(), 65000);
        for (const auto& [asked, kept] : {std::pair{70000, 65000}, {-5, 0}, {3000, 3000}}) {
            c.channel.setVolume(asked);
            QCOMPARE(c.channel.volume(), kept);
        }
        // A missing or broken file reports its end at once, but queued: the caller finishes its
        // handler first. A stop cancels the queued report.
        c.channel.playFile(dir.filePath(QStringLiteral("absent.wav")));
        QCOMPARE(c.ends.count(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(c.ends.count(), 3);
        c.channel.playFile(TestFiles::write(dir.filePath("broken.wav"), "RIFF junk"));
        QCoreApplication::processEvents();
        QCOMPARE(c.ends.count(), 4);
        QCOMPARE(c.channel.lengthMs(), 0);
        c.channel.playFile(QString());
        c.channel.stop();
        QCoreApplication::processEvents();
        QCOMPARE(c.ends.count(), 4);
    }

    // ---- the input ----
    void theSilentInputYieldsSilenceForAsLongAsItRecords() {
        FakeClock clock;
        clock.advance(5000);
        NullAudioCapture input(clock);
        QVERIFY(!input.isCapturing());
        QVERIFY(input.samples().isEmpty());
        QVERIFY(input.start());
        QVERIFY(input.isCapturing());
        clock.advance(2000);
        QCOMPARE(input.samples(), QByteArray(22050, char(128)));
        input.stop();
        clock.advance(5000);
        QCOMPARE(input.samples().size(), 22050);
        QVERIFY(input.start());
        QVERIFY(input.samples().isEmpty());
    }

    // Any layout becomes 8-bit mono at 11 025 Hz: the one wanted passes through, channels and
    // faster rates are averaged, slower rates repeat their samples.
    void capturedSoundBecomes8BitMonoAt11025Hz() {
        using F = PcmConverter::SampleFormat;
        const QByteArray bytes("\x00\x80\xff", 3);
        QCOMPARE(PcmConverter(F::UInt8, 1, 11025).convert(bytes), bytes);
        // (16384 + 0) / 2 → 0.25 → 160; (−32768 + −32768) / 2 → −1 → 0.
        QCOMPARE(PcmConverter(F::Int16, 2, 11025).convert(int16Samples({16384, 0, -32768, -32768})),
                 QByteArray("\xa0\x00", 2));
        QCOMPARE(PcmConverter(F::Int32, 1, 48000).convert(QByteArray(48000 * 4, '\0')),
                 QByteArray(11025, char(128))); // one second gives one second
        PcmConverter faster(F::Int16, 1, 44100);
        const QByteArray frames =
            int16Samples({8192, 8192, 8192, 8192, -8192, -8192, -8192, -8192});
        QCOMPARE(faster.convert(frames.left(3)), QByteArray()); // half a frame waits for the rest
        QCOMPARE(faster.convert(frames.mid(3)), QByteArray("\xa0\x60", 2));
        QByteArray half(4, '\0');
        qToLittleEndian(0.5f, half.data());
        const QByteArray slower = PcmConverter(F::Float, 1, 5512).convert(half + half);
        QVERIFY(slower.size() >= 3 && slower.size() <= 5);
        QCOMPARE(slower, QByteArray(slower.size(), char(192)));
    }
};

QTEST_MAIN(TestAudioChannel)
#include "tst_audiochannel.moc"

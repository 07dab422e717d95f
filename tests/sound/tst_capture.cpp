#include "WaveBuilder.h"
#include "platform/NullAudioCapture.h"
#include "sound/PcmConverter.h"

#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

class StepClock : public Clock {
public:
    double secondsOfDay() override { return ms / 1000.0; }
    qint64 monotonicMs() override { return ms; }
    qint64 ms = 5000;
};

} // namespace

// The silent stand-in input and the conversion of captured sound to 8-bit mono 11 025 Hz.
class TestCapture : public QObject {
    Q_OBJECT

private slots:
    void theSilentInputYieldsSilenceForAsLongAsItRecords() {
        StepClock clock;
        NullAudioCapture input(clock);
        QVERIFY(!input.isCapturing());
        QVERIFY(input.samples().isEmpty());
        QVERIFY(input.start());
        QVERIFY(input.isCapturing());
        clock.ms += 2000;
        QCOMPARE(input.samples(), QByteArray(22050, char(128)));
        input.stop();
        clock.ms += 5000;
        QCOMPARE(input.samples().size(), 22050);
        QVERIFY(input.start());
        QVERIFY(input.samples().isEmpty());
    }

    // The layout already wanted passes through; channels are averaged.
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

QTEST_GUILESS_MAIN(TestCapture)
#include "tst_capture.moc"

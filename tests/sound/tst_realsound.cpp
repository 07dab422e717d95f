#include "StudioViewLog.h"
#include "WaveBuilder.h"
#include "platform/QtAudioChannel.h"
#include "platform/QtAudioSystem.h"
#include "platform/VolumeAudioSystem.h"
#include "sound/MciInterpreter.h"
#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"
#include "support/Fakes.h"
#include "support/MonitorRecorder.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Power of one frequency in a stretch of 8-bit samples (Goertzel filter).
double powerAt(const Spectro& wave, qint32 from, qint32 count, double hertz) {
    const double coefficient = 2.0 * std::cos(2.0 * Pi * hertz / 11025.0);
    double previous = 0.0, beforePrevious = 0.0;
    for (qint32 i = from; i < from + count; ++i) {
        const double current = wave.GetSample(i) + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious -
           coefficient * previous * beforePrevious;
}

// A spoken word stand-in: 8-bit mono 11 025 Hz samples of a 1000 Hz tone whose loudness follows
// the shape (full by default).
QByteArray tonePcm(double seconds, double (*shape)(double) = nullptr) {
    QByteArray pcm(qsizetype(11025 * seconds), '\0');
    for (qsizetype i = 0; i < pcm.size(); ++i) {
        const double t = double(i) / 11025.0, loudness = shape ? shape(t) : 1.0;
        pcm[i] = char(128 + int(100 * loudness * std::sin(2.0 * Pi * 1000.0 * t)));
    }
    return pcm;
}

// Two syllables: a loud one, a pause, then one that swells.
double twoSyllables(double t) {
    return t < 0.3 ? 1.0 : t < 0.45 ? 0.0 : std::min(1.0, (t - 0.45) / 0.5);
}

// Loudness every 10 ms (110 samples): the RMS around each frame's mean.
template <typename Sample> std::vector<double> envelope(qint32 count, Sample sample) {
    std::vector<double> levels;
    for (qint32 from = 0; from + 110 <= count; from += 110) {
        double sum = 0.0, squares = 0.0;
        for (qint32 i = from; i < from + 110; ++i) {
            sum += sample(i);
            squares += double(sample(i)) * sample(i);
        }
        levels.push_back(std::sqrt(std::max(0.0, squares / 110 - (sum / 110) * (sum / 110))));
    }
    return levels;
}

// The best Pearson correlation of the model's envelope with a stretch of the take's, over every
// place the model fits in the take.
double bestCorrelation(const std::vector<double>& model, const std::vector<double>& take) {
    double best = -1.0;
    const double n = double(model.size());
    for (std::size_t lag = 0; lag + model.size() <= take.size(); ++lag) {
        double m = 0, t = 0, mm = 0, tt = 0, mt = 0;
        for (std::size_t i = 0; i < model.size(); ++i) {
            const double a = model[i], b = take[lag + i];
            m += a, t += b, mm += a * a, tt += b * b, mt += a * b;
        }
        const double spread = (n * mm - m * m) * (n * tt - t * t);
        if (spread > 0)
            best = std::max(best, (n * mt - m * t) / std::sqrt(spread));
    }
    return best;
}

// Runs `play` while parec listens to the null sink's monitor; heardMs becomes the milliseconds
// heard from the first sound on, -1 when nothing was heard (NaN when parec heard nothing at all).
template <typename Play> void listen(Play play, double& heardMs) {
    heardMs = std::nan("");
    QElapsedTimer clock;
    clock.start();
    MonitorRecorder monitor(clock);
    QVERIFY2(monitor.start(), "parec records nothing from brindel_null.monitor");
    const qsizetype before = monitor.frames();
    play();
    monitor.stop();
    const qsizetype onset = monitor.onset(before);
    heardMs =
        onset < 0 ? -1.0 : double(monitor.end(onset) - onset) * 1000.0 / MonitorRecorder::Rate;
}

// The studio's engine on the real audio server, its sounds under the program's volume.
struct RealStudio {
    SystemClock clock;
    VolumeAudioSystem audio{std::make_unique<QtAudioSystem>(clock)};
    MciInterpreter mci{audio};
    Spectro studio{mci, clock};
    StudioViewLog view;
};

} // namespace

// Recording through the audio server: a tone played on the silent output is heard on the
// input that listens to it (scripts/start-audio.sh sets both up).
class TestRealSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const auto has = [](const QList<QAudioDevice>& devices, const QByteArray& id) {
            return std::any_of(devices.begin(), devices.end(),
                               [&](const QAudioDevice& device) { return device.id() == id; });
        };
        const auto inputs = QMediaDevices::audioInputs();
        const auto outputs = QMediaDevices::audioOutputs();
        if (inputs.isEmpty() || outputs.isEmpty()) {
            if (qEnvironmentVariable("CI") == QStringLiteral("true"))
                QFAIL("no audio server is reachable: CI must run scripts/start-audio.sh");
            QSKIP("no audio server is reachable");
        }
        QVERIFY2(has(inputs, "brindel_mic") && has(outputs, "brindel_null"),
                 "the audio server lacks brindel_mic or brindel_null: run scripts/start-audio.sh");
    }

    // The studio's take, on the real server: a word played by the program while the studio
    // records is in the saved recording, which lasts as long as the take.
    void theStudioRecordsTheWordPlayedMeanwhile() {
        QTemporaryDir dir;
        const QByteArray model = tonePcm(1.0, twoSyllables);
        const QString word = TestFiles::write(dir.filePath("cat.wav"), makeWave8BitMono(model));
        RealStudio real;
        Spectro& studio = real.studio;
        studio.RecordingPath = dir.filePath("enregist.tmp");
        studio.SaveCommand = "save capture " + studio.RecordingPath;
        studio.processEvents = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };
        QElapsedTimer take;
        take.start();
        // Left alone, the null sink runs at its largest latency and its monitor hands the input
        // over two seconds late, which stopping then drops; a sound card does not. A listener
        // asking for little latency makes the test server behave like one.
        MonitorRecorder listener(take);
        QVERIFY(listener.start());
        take.restart();
        studio.StartRecording(real.view); // returns after its one-second wait
        QtAudioChannel channel(real.clock);
        QSignalSpy ended(&channel, &AudioChannel::finished);
        QElapsedTimer played;
        played.start();
        channel.playFile(word);
        // The channel reports the word's end once, and no earlier than the second it lasts.
        QVERIFY(ended.wait(5000));
        QVERIFY2(played.elapsed() >= 1000, qPrintable(QString::number(played.elapsed())));
        QTest::qWait(500);
        QCOMPARE(ended.count(), 1);
        studio.StopRecording();
        const double seconds = double(take.elapsed()) / 1000.0;

        studio.LoadWave(studio.RecordingPath);
        QVERIFY(studio.WaveLoaded);
        QCOMPARE(studio.WaveFormat.samplesPerSec, quint32(11025));
        const double recorded = double(studio.SampleCount) / 11025.0;
        QVERIFY2(
            recorded > seconds - 0.4 && recorded <= seconds + 0.05,
            qPrintable(QStringLiteral("%1 s recorded of a %2 s take").arg(recorded).arg(seconds)));
        // Somewhere in the take, the word's tone stands out of the silence around it, and where
        // it is loudest it is still a pure 1000 Hz tone: the capture's conversion adds no other.
        std::vector<double> powers; // at 1000 Hz, every 512 samples (the take is long enough)
        for (qint32 from = 0; from + 1024 <= studio.SampleCount; from += 512)
            powers.push_back(powerAt(studio, from, 1024, 1000.0));
        const auto loudest = std::max_element(powers.begin(), powers.end());
        const qint32 loudestFrom = qint32(loudest - powers.begin()) * 512;
        QVERIFY(*loudest > 1000.0);
        QVERIFY(*loudest > 100 * *std::min_element(powers.begin(), powers.end()));
        QVERIFY(*loudest > 50 * powerAt(studio, loudestFrom, 1024, 1500.0) &&
                *loudest > 50 * powerAt(studio, loudestFrom, 1024, 3000.0));
        // The recording's loudness follows the model's: two syllables, a pause between them.
        const double match = bestCorrelation(
            envelope(qint32(model.size()), [&](qint32 i) { return quint8(model[i]); }),
            envelope(studio.SampleCount, [&](qint32 i) { return studio.GetSample(i); }));
        QVERIFY2(match > 0.8, qPrintable(QStringLiteral("envelope correlation %1").arg(match)));
    }

    // A word played through the program's own sound channel reaches the server: parec finds it
    // on the null sink's monitor at the program's volume, for as long as the studio plays it,
    // in milliseconds as the command strings count them (the whole 1 s word: 992), or a stretch
    // selected in it, and no longer.
    void aWordOrAStretchOfItPlayedByTheProgramIsHeardOnTheMonitorForItsLength() {
        // Samples of the word: all of it, silenced or not; from 195 to 695 ms, the first 99 ms
        // and the last 297 ms.
        for (const auto& [volume, from, to] : {std::tuple{65000, 0, 11025},
                                               {0, 0, 11025},
                                               {65000, 2168, 7718},
                                               {65000, 0, 1103},
                                               {65000, 7718, 11025}}) {
            QTemporaryDir dir;
            RealStudio real;
            real.audio.setVolume(volume);
            real.studio.FileToPlay =
                TestFiles::write(dir.filePath("cat.wav"), makeWave8BitMono(tonePcm(1.0)));
            real.studio.StretchFrom = from;
            real.studio.StretchTo = to;
            const double playedMs =
                std::round(to * Spectro::MsPerSample) - std::round(from * Spectro::MsPerSample);
            const double wantedMs = volume ? playedMs : -1.0;
            double heardMs = 0;
            listen(
                [&] {
                    real.studio.PlayStretch(real.view);
                    QTest::qWait(int(playedMs) + 600);
                },
                heardMs);
            real.studio.CloseAllSound();
            QVERIFY2(std::abs(heardMs - wantedMs) <= 15.0,
                     qPrintable(QStringLiteral("at volume %1 heard %2 ms of %3")
                                    .arg(volume)
                                    .arg(heardMs)
                                    .arg(wantedMs)));
        }
    }
};

QTEST_MAIN(TestRealSound)
#include "tst_realsound.moc"

// Drawing a recording of the studio's 10 s limit in a waveform box: the points are taken from
// the loaded wave and painted at the box's size on the screen. Goal: 5 ms or less.
#include "platform/Clock.h"
#include "sound/MciSender.h"
#include "sound/SoundEngine.h"
#include "sound/StudioMaths.h"
#include "sound/WaveBox.h"
#include "sound/WaveFile.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
class SilentMci : public MciSender {
public:
    int send(const QString&, QString*) override { return MciOk; }
};

QString writeTenSeconds(const QTemporaryDir& dir) {
    QByteArray samples(110250, char(128));
    for (int i = 0; i < samples.size(); ++i)
        samples[i] = char(128 + std::lround(90 * std::sin(i / 7.0)));
    const QString path = dir.filePath(QStringLiteral("enregist.tmp"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(makeWave8BitMono(samples));
    return path;
}
} // namespace

static void BM_DrawTenSecondRecording(benchmark::State& state) {
    QTemporaryDir dir;
    SilentMci mci;
    SystemClock clock;
    Spectro wave(mci, clock);
    wave.LoadWave(writeTenSeconds(dir));
    wave.StretchFrom = 0;
    wave.StretchTo = wave.SampleCount;
    WaveBox box(2);
    box.resize(406, 106);
    box.setDrawColour(0xFFFF00);
    QImage target(box.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        box.setLevels(StudioMaths::waveLevels(wave));
        box.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_DrawTenSecondRecording)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

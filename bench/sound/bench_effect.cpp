// Time from the call that plays an effect to the moment the audio device is active, on the
// user's audio server (run scripts/start-audio.sh first on a machine without a desktop).
#include "platform/Clock.h"
#include "platform/QtAudioChannel.h"
#include "sound/WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {
// A short click: 50 ms of 8-bit unsigned mono at 11 025 Hz.
QByteArray clickImage() {
    QByteArray samples(551, char(128));
    for (int i = 0; i < samples.size(); i += 20)
        samples[i] = char(220);
    return makeWave8BitMono(samples);
}
} // namespace

static void BM_EffectToDeviceActive(benchmark::State& state) {
    SystemClock clock;
    QtAudioChannel channel(clock);
    const QByteArray image = clickImage();
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&channel, &QtAudioChannel::outputActive, &loop, &QEventLoop::quit);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        QElapsedTimer elapsed;
        elapsed.start();
        channel.playImage(image);
        if (channel.lastSoundAudible())
            loop.exec();
        state.SetIterationTime(double(elapsed.nsecsElapsed()) / 1e9);
        channel.stop();
        if (!channel.lastSoundAudible()) {
            state.SkipWithError("no audio server: the effect was timed silently");
            break;
        }
    }
}
BENCHMARK(BM_EffectToDeviceActive)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

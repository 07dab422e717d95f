#include "platform/Clock.h"
#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class NoCommands : public MciSender {
public:
    int send(const QString&, QString*) override { return MciOk; }
};

// Reading a ten-second recording (110 250 samples), as the studio does after each recording.
void LoadWaveOfATenSecondRecording(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("enregist.tmp");
    QByteArray samples(110250, '\0');
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = char(128 + 100 * ((i / 11) % 2 ? 1 : -1));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(makeWave8BitMono(samples)) < 0) {
        state.SkipWithError("cannot write the recording");
        return;
    }
    file.close();
    NoCommands mci;
    SystemClock clock;
    Spectro spectro(mci, clock);
    for (auto _ : state) {
        spectro.LoadWave(path);
        benchmark::DoNotOptimize(spectro.SampleCount);
    }
    if (!spectro.WaveLoaded || spectro.SampleCount != 110250)
        state.SkipWithError("the recording did not load");
}
BENCHMARK(LoadWaveOfATenSecondRecording)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

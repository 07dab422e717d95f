// Pronunciation stars: judging a 10 s recording against a 2 s model word (goal: under 20 ms).
#include "sound/Pronunciation.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
// A voiced-like sound: a buzz whose pitch and loudness wander, as in speech.
std::vector<float> buzz(double seconds, int rate, double seed) {
    std::vector<float> s(std::size_t(seconds * rate));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        phase += 2 * M_PI * (150 + 40 * std::sin(seed + 3 * t)) / rate;
        s[i] = float(0.4 * (0.6 + 0.4 * std::sin(seed + 5 * t)) * std::sin(phase) *
                     std::sin(3 * phase + seed));
    }
    return s;
}
} // namespace

static void BM_JudgeTenSecondTake(benchmark::State& state) {
    const auto model = buzz(2.0, 22050, 0.0);
    const auto take = buzz(10.0, 11025, 1.0);
    for (auto _ : state) {
        // The take's full length against the model's features and alignment.
        benchmark::DoNotOptimize(Pronunciation::distance(model, 22050, take, 11025));
    }
}
BENCHMARK(BM_JudgeTenSecondTake)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

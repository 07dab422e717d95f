#include "sound/Pronunciation.h"

#include "sound/WaveFile.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <limits>

// The spectrum comes from FFTW: a long-maintained, fast and widely packaged transform library
// already on the build machine. A full speech-feature library would bring far more than the
// 26-band mel filter bank and the small DCT below, which are a few lines each.

namespace Pronunciation {
namespace {

constexpr double FrameSeconds = 0.025;
constexpr double HopSeconds = 0.010;
constexpr int MelBands = 26;
constexpr double LowHz = 100.0;
constexpr double HighHz = 5000.0;
// A frame whose RMS stays under this counts as silence whatever the loudest frame is: a little
// above the rounding noise of an 8-bit input.
constexpr double SilenceRms = 0.02;
// Voiced frames are those within 20 dB of the loudest one.
constexpr double VoicedFraction = 0.1;
// A take shorter than this, or outside these ratios of the model's voiced length, is refused.
constexpr double ShortestSeconds = 0.12;
constexpr double ShortestRatio = 0.4;
constexpr double LongestRatio = 3.0;

double melOf(double hz) {
    return 2595.0 * std::log10(1.0 + hz / 700.0);
}
double hzOfMel(double mel) {
    return 700.0 * (std::pow(10.0, mel / 2595.0) - 1.0);
}

int frameLength(int rate) {
    return std::max(1, int(std::lround(rate * FrameSeconds)));
}
int hopLength(int rate) {
    return std::max(1, int(std::lround(rate * HopSeconds)));
}

// One triangular mel filter: its weights over the bins first..first + weights.size() - 1.
struct MelFilter {
    int first = 0;
    std::vector<float> weights;
};

// Triangular mel filters over the bins 0..fftSize/2 of an fftSize transform. Each keeps only the
// bins it covers, so a frame costs about two passes over the spectrum instead of one per band.
std::vector<MelFilter> melBank(int fftSize, int rate) {
    const int bins = fftSize / 2 + 1;
    const double high = std::min(HighHz, rate / 2.0);
    std::vector<double> edges(MelBands + 2);
    for (int i = 0; i < MelBands + 2; ++i)
        edges[i] = hzOfMel(melOf(LowHz) + (melOf(high) - melOf(LowHz)) * i / (MelBands + 1));
    std::vector<MelFilter> bank(MelBands);
    for (int m = 0; m < MelBands; ++m) {
        for (int k = 0; k < bins; ++k) {
            const double hz = double(k) * rate / fftSize;
            float w = 0.0f;
            if (hz > edges[m] && hz <= edges[m + 1])
                w = float((hz - edges[m]) / (edges[m + 1] - edges[m]));
            else if (hz > edges[m + 1] && hz < edges[m + 2])
                w = float((edges[m + 2] - hz) / (edges[m + 2] - edges[m + 1]));
            if (w <= 0.0f)
                continue;
            if (bank[m].weights.empty())
                bank[m].first = k;
            bank[m].weights.resize(std::size_t(k - bank[m].first + 1), 0.0f);
            bank[m].weights.back() = w;
        }
    }
    return bank;
}

std::vector<float> frameRms(const std::vector<float>& s, int rate) {
    const int hop = hopLength(rate);
    std::vector<float> rms;
    for (std::size_t at = 0; at < s.size(); at += hop) {
        const std::size_t end = std::min(s.size(), at + hop);
        double sum = 0;
        for (std::size_t i = at; i < end; ++i)
            sum += double(s[i]) * s[i];
        rms.push_back(float(std::sqrt(sum / double(end - at))));
    }
    return rms;
}

std::vector<float> slice(const std::vector<float>& s, Stretch st) {
    return std::vector<float>(s.begin() + long(st.first), s.begin() + long(st.last));
}

} // namespace

Thresholds defaultThresholds() {
    // From tools/calibrate_stars over the words of the content (README, "Pronunciation stars").
    return {29.93, 35.57};
}

std::vector<float> fromUnsigned8(QByteArrayView data) {
    std::vector<float> out(static_cast<std::size_t>(data.size()));
    for (qsizetype i = 0; i < data.size(); ++i)
        out[std::size_t(i)] = (float(quint8(data[i])) - 128.0f) / 128.0f;
    return out;
}

std::vector<float> fromSigned16(QByteArrayView data) {
    std::vector<float> out(static_cast<std::size_t>(data.size() / 2));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto lo = quint8(data[qsizetype(2 * i)]);
        const auto hi = quint8(data[qsizetype(2 * i + 1)]);
        out[i] = float(qint16(quint16(lo | (hi << 8)))) / 32768.0f;
    }
    return out;
}

std::optional<Sound> soundOfWave(QByteArrayView image) {
    const auto chunks = parseWave(image, ShortChunks::CutToImage);
    if (!chunks || chunks->format.formatTag != 1 || chunks->format.samplesPerSec == 0)
        return std::nullopt;
    const int bits = chunks->format.bitsPerSample;
    const int align = chunks->format.blockAlign;
    if ((bits != 8 && bits != 16) || align < bits / 8)
        return std::nullopt;
    // The first channel of each block.
    const QByteArrayView data = image.sliced(chunks->dataOffset, chunks->dataSize);
    QByteArray first;
    for (qsizetype at = 0; at + bits / 8 <= data.size(); at += align)
        first.append(data.sliced(at, bits / 8));
    Sound sound;
    sound.rate = int(chunks->format.samplesPerSec);
    sound.samples = bits == 8 ? fromUnsigned8(first) : fromSigned16(first);
    return sound;
}

Stretch voicedStretch(const std::vector<float>& samples, int sampleRate) {
    const std::vector<float> rms = frameRms(samples, sampleRate);
    if (rms.empty())
        return {};
    const float peak = *std::max_element(rms.begin(), rms.end());
    if (peak < SilenceRms)
        return {};
    const float floor = std::max(float(SilenceRms), float(peak * VoicedFraction));
    std::size_t first = rms.size(), last = 0;
    for (std::size_t i = 0; i < rms.size(); ++i) {
        if (rms[i] >= floor) {
            first = std::min(first, i);
            last = i + 1;
        }
    }
    const auto hop = std::size_t(hopLength(sampleRate));
    return {first * hop, std::min(samples.size(), last * hop)};
}

bool soundsLikeNoise(const std::vector<float>& samples, int sampleRate) {
    // Zero crossings per sample: about 0.5 for white noise, well under 0.3 for vowels.
    const auto hop = std::size_t(hopLength(sampleRate));
    const double hissRate = 0.3;
    int frames = 0, hissy = 0;
    for (std::size_t at = 0; at + hop <= samples.size(); at += hop) {
        int crossings = 0;
        for (std::size_t i = at + 1; i < at + hop; ++i)
            crossings += (samples[i - 1] < 0) != (samples[i] < 0);
        ++frames;
        hissy += double(crossings) / double(hop) > std::min(0.45, hissRate);
    }
    return frames > 0 && hissy * 10 > frames * 6;
}

std::vector<Frame> features(const std::vector<float>& samples, int sampleRate) {
    const int length = frameLength(sampleRate);
    const int hop = hopLength(sampleRate);
    int fftSize = 1;
    while (fftSize < length)
        fftSize *= 2;
    const int bins = fftSize / 2 + 1;
    const auto bank = melBank(fftSize, sampleRate);

    std::vector<float> window(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        window[std::size_t(i)] =
            float(0.54 - 0.46 * std::cos(2 * M_PI * i / std::max(1, length - 1)));
    // DCT-II rows for c1..c12.
    std::vector<std::vector<float>> dct(CoefficientCount, std::vector<float>(MelBands));
    for (int c = 0; c < CoefficientCount; ++c)
        for (int m = 0; m < MelBands; ++m)
            dct[c][m] = float(std::cos(M_PI * (c + 1) * (m + 0.5) / MelBands));

    float* in = fftwf_alloc_real(std::size_t(fftSize));
    fftwf_complex* out = fftwf_alloc_complex(std::size_t(bins));
    fftwf_plan plan = fftwf_plan_dft_r2c_1d(fftSize, in, out, FFTW_ESTIMATE);

    std::vector<Frame> frames;
    std::vector<float> power(static_cast<std::size_t>(bins)), logMel(MelBands);
    for (std::size_t at = 0; at + std::size_t(length) <= samples.size(); at += std::size_t(hop)) {
        float previous = at > 0 ? samples[at - 1] : 0.0f;
        for (int i = 0; i < fftSize; ++i) {
            if (i < length) {
                const float x = samples[at + std::size_t(i)];
                in[i] = (x - 0.97f * previous) * window[std::size_t(i)]; // pre-emphasis
                previous = x;
            } else {
                in[i] = 0.0f;
            }
        }
        fftwf_execute(plan);
        for (int k = 0; k < bins; ++k)
            power[std::size_t(k)] = out[k][0] * out[k][0] + out[k][1] * out[k][1];
        for (int m = 0; m < MelBands; ++m) {
            const MelFilter& filter = bank[std::size_t(m)];
            double e = 0;
            for (std::size_t k = 0; k < filter.weights.size(); ++k)
                e += double(filter.weights[k]) * power[std::size_t(filter.first) + k];
            logMel[std::size_t(m)] = float(std::log(e + 1e-8));
        }
        Frame f(CoefficientCount);
        for (int c = 0; c < CoefficientCount; ++c) {
            double v = 0;
            for (int m = 0; m < MelBands; ++m)
                v += double(dct[c][std::size_t(m)]) * logMel[std::size_t(m)];
            f[std::size_t(c)] = float(v);
        }
        frames.push_back(std::move(f));
    }
    fftwf_destroy_plan(plan);
    fftwf_free(out);
    fftwf_free(in);

    // Cepstral mean normalisation: takes away the colour of the microphone and the voice.
    if (!frames.empty()) {
        Frame mean(CoefficientCount, 0.0f);
        for (const Frame& f : frames)
            for (int c = 0; c < CoefficientCount; ++c)
                mean[std::size_t(c)] += f[std::size_t(c)] / float(frames.size());
        for (Frame& f : frames)
            for (int c = 0; c < CoefficientCount; ++c)
                f[std::size_t(c)] -= mean[std::size_t(c)];
    }
    return frames;
}

double dtwDistance(const std::vector<Frame>& a, const std::vector<Frame>& b) {
    if (a.empty() || b.empty())
        return std::numeric_limits<double>::max();
    const std::size_t n = a.size(), m = b.size();
    const double inf = std::numeric_limits<double>::infinity();
    // Two rows of accumulated cost, each with the length of the path that reached it.
    std::vector<double> prevCost(m, inf), cost(m, inf);
    std::vector<int> prevLen(m, 0), len(m, 0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < m; ++j) {
            double d = 0;
            for (std::size_t c = 0; c < a[i].size(); ++c) {
                const double diff = double(a[i][c]) - b[j][c];
                d += diff * diff;
            }
            d = std::sqrt(d);
            double best = inf;
            int bestLen = 0;
            if (i == 0 && j == 0) {
                best = 0;
            } else {
                if (i > 0 && j > 0 && prevCost[j - 1] < best) {
                    best = prevCost[j - 1];
                    bestLen = prevLen[j - 1];
                }
                if (i > 0 && prevCost[j] < best) {
                    best = prevCost[j];
                    bestLen = prevLen[j];
                }
                if (j > 0 && cost[j - 1] < best) {
                    best = cost[j - 1];
                    bestLen = len[j - 1];
                }
            }
            cost[j] = best + d;
            len[j] = bestLen + 1;
        }
        std::swap(cost, prevCost);
        std::swap(len, prevLen);
    }
    return prevCost[m - 1] / prevLen[m - 1];
}

double distance(const std::vector<float>& model, int modelRate, const std::vector<float>& take,
                int takeRate) {
    const Stretch ms = voicedStretch(model, modelRate);
    const Stretch ts = voicedStretch(take, takeRate);
    if (ms.size() == 0 || ts.size() == 0)
        return -1.0;
    return dtwDistance(features(slice(model, ms), modelRate), features(slice(take, ts), takeRate));
}

Verdict judge(const std::vector<float>& model, int modelRate, const std::vector<float>& take,
              int takeRate, Thresholds thresholds) {
    Verdict v;
    const Stretch ts = voicedStretch(take, takeRate);
    if (ts.size() == 0) {
        v.outcome = Outcome::Silent;
        v.message = QStringLiteral("Je n'entends rien : parle plus près du micro.");
        return v;
    }
    const Stretch ms = voicedStretch(model, modelRate);
    const double takeSeconds = double(ts.size()) / takeRate;
    const double modelSeconds = ms.size() ? double(ms.size()) / modelRate : takeSeconds;
    if (takeSeconds < ShortestSeconds || takeSeconds < ShortestRatio * modelSeconds) {
        v.outcome = Outcome::TooShort;
        v.message = QStringLiteral("C'est trop court : dis tout le mot.");
        return v;
    }
    if (takeSeconds > LongestRatio * modelSeconds) {
        v.outcome = Outcome::TooLong;
        v.message = QStringLiteral("C'est trop long : dis seulement le mot.");
        return v;
    }
    if (soundsLikeNoise(slice(take, ts), takeRate)) {
        v.outcome = Outcome::Noise;
        v.message = QStringLiteral("J'entends surtout du bruit : recommence au calme.");
        return v;
    }
    v.outcome = Outcome::Stars;
    v.distance =
        dtwDistance(features(slice(model, ms), modelRate), features(slice(take, ts), takeRate));
    v.stars = v.distance <= thresholds.threeStars ? 3 : v.distance <= thresholds.twoStars ? 2 : 1;
    v.message = v.stars == 3   ? QStringLiteral("Bravo !")
                : v.stars == 2 ? QStringLiteral("Presque !")
                               : QStringLiteral("Essaie encore !");
    return v;
}

} // namespace Pronunciation

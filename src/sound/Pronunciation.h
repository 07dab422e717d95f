#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

// Compares a pupil's recording of a word with the model word: both are trimmed to their voiced
// part, turned into MFCC sequences, aligned by dynamic time warping, and the mean distance along
// the alignment path becomes one to three stars. Plain code without widgets.
namespace Pronunciation {

// Mel-frequency cepstral coefficients of one 10 ms frame (c1..c12, c0 left out so that loudness
// does not count).
constexpr int CoefficientCount = 12;
using Frame = std::vector<float>;

// Distances at or below which a take earns three or two stars; above TwoStars it earns one.
// Measured by tools/calibrate_stars (see the README), not guessed.
struct Thresholds {
    double threeStars = 0.0;
    double twoStars = 0.0;
};
Thresholds defaultThresholds();

enum class Outcome { Stars, Silent, TooShort, TooLong, Noise };

struct Verdict {
    Outcome outcome = Outcome::Silent;
    int stars = 0;         // 1..3 when outcome is Stars, else 0
    double distance = 0.0; // path-normalised DTW distance when outcome is Stars
    QString message;       // the French word shown to the pupil
};

// Samples of an 8-bit unsigned mono wave image (128 is silence) as floats in -1..1.
std::vector<float> fromUnsigned8(QByteArrayView data);
// Samples of a 16-bit signed little-endian mono wave image as floats in -1..1.
std::vector<float> fromSigned16(QByteArrayView data);

// The samples and rate of a PCM wave image (8 or 16 bits; the first channel of several); empty
// when the image is not such a wave.
struct Sound {
    std::vector<float> samples;
    int rate = 0;
};
std::optional<Sound> soundOfWave(QByteArrayView image);

// The voiced stretch [first, last) of samples, in samples; empty (0, 0) when nothing is voiced.
struct Stretch {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t size() const { return last - first; }
};
Stretch voicedStretch(const std::vector<float>& samples, int sampleRate);

// True when most 10 ms frames of samples cross zero as often as hiss does, which voiced speech
// never does.
bool soundsLikeNoise(const std::vector<float>& samples, int sampleRate);

// MFCC frames of samples (mean-normalised over the whole sequence).
std::vector<Frame> features(const std::vector<float>& samples, int sampleRate);

// Mean Euclidean frame distance along the best DTW path of a and b; a large value when either
// is empty.
double dtwDistance(const std::vector<Frame>& a, const std::vector<Frame>& b);

// Path-normalised distance of take against model after trimming both; negative when either
// holds no voiced stretch.
double distance(const std::vector<float>& model, int modelRate, const std::vector<float>& take,
                int takeRate);

// The whole judgement shown beside the recording box.
Verdict judge(const std::vector<float>& model, int modelRate, const std::vector<float>& take,
              int takeRate, Thresholds thresholds = defaultThresholds());

} // namespace Pronunciation

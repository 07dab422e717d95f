// Measures how well the pronunciation distance tells a word from another one. Every French word
// of content/words/*.tsv is spoken by espeak-ng with several voices, speeds and pitches; the
// first rendering is the model, the others are "same word" takes; takes of other words and of
// noise are the "different" cases. Prints the ROC AUC and the thresholds chosen for the stars.
//
//   calibrate_stars <content folder> [word limit]
#include "sound/Pronunciation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

struct Rendering {
    const char* voice;
    int speed;
    int pitch;
};
// The model rendering first, then the "same word" variants.
const Rendering Renderings[] = {
    {"fr", 160, 50}, {"fr+m3", 130, 35}, {"fr+f2", 190, 70}, {"fr+m7", 175, 50}, {"fr+f4", 145, 80},
};

constexpr int Rate = 22050; // espeak-ng's output rate

std::vector<float> speak(const QString& word, const Rendering& r) {
    QProcess p;
    p.start(QStringLiteral("espeak-ng"),
            {QStringLiteral("-v"), QString::fromLatin1(r.voice), QStringLiteral("-s"),
             QString::number(r.speed), QStringLiteral("-p"), QString::number(r.pitch),
             QStringLiteral("--stdout"), word});
    p.waitForFinished(10000);
    const QByteArray wav = p.readAllStandardOutput();
    const qsizetype data = wav.indexOf("data");
    if (data < 0)
        return {};
    return Pronunciation::fromSigned16(QByteArrayView(wav).sliced(data + 8));
}

QStringList contentWords(const QString& folder) {
    QStringList words;
    QSet<QString> seen;
    const QDir dir(folder + QStringLiteral("/words"));
    for (const QString& name : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&f);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (cells.size() < 3 || cells[2].trimmed().isEmpty())
                continue;
            const QString word = cells[2].trimmed();
            if (!seen.contains(word)) {
                seen.insert(word);
                words << word;
            }
        }
    }
    return words;
}

// Probability that a random "same" distance lies below a random "different" one.
double rocAuc(const std::vector<double>& same, const std::vector<double>& diff) {
    std::vector<double> d = diff;
    std::sort(d.begin(), d.end());
    double wins = 0;
    for (double s : same) {
        const auto lo = std::lower_bound(d.begin(), d.end(), s);
        const auto hi = std::upper_bound(d.begin(), d.end(), s);
        wins += double(d.end() - hi) + 0.5 * double(hi - lo);
    }
    return wins / (double(same.size()) * double(d.size()));
}

double fractionAtMost(const std::vector<double>& v, double t) {
    return double(std::count_if(v.begin(), v.end(), [t](double x) { return x <= t; })) /
           double(v.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: calibrate_stars <content folder> [word limit]\n");
        return 2;
    }
    QStringList words = contentWords(QString::fromLocal8Bit(argv[1]));
    if (argc > 2)
        words = words.mid(0, QString::fromLocal8Bit(argv[2]).toInt());
    const int variants = int(std::size(Renderings));

    std::vector<std::vector<std::vector<float>>> spoken;
    for (const QString& w : words) {
        std::vector<std::vector<float>> takes;
        for (const Rendering& r : Renderings)
            takes.push_back(speak(w, r));
        spoken.push_back(std::move(takes));
    }

    QRandomGenerator random(21);
    std::vector<double> same, diff, noise;
    for (int i = 0; i < int(words.size()); ++i) {
        const auto& model = spoken[std::size_t(i)][0];
        for (int v = 1; v < variants; ++v) {
            same.push_back(
                Pronunciation::distance(model, Rate, spoken[std::size_t(i)][std::size_t(v)], Rate));
            int j = int(random.bounded(int(words.size()) - 1));
            if (j >= i)
                ++j;
            diff.push_back(
                Pronunciation::distance(model, Rate, spoken[std::size_t(j)][std::size_t(v)], Rate));
        }
        // White noise as loud as speech and as long as the model.
        std::vector<float> hiss(model.size());
        for (float& x : hiss)
            x = float(random.generateDouble() * 0.6 - 0.3);
        // Hiss the studio refuses as noise counts as infinitely far.
        noise.push_back(Pronunciation::soundsLikeNoise(hiss, Rate)
                            ? 1e9
                            : Pronunciation::distance(model, Rate, hiss, Rate));
    }
    auto dropFailures = [](std::vector<double>& v) {
        v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
    };
    dropFailures(same);
    dropFailures(diff);
    dropFailures(noise);

    std::vector<double> different = diff;
    different.insert(different.end(), noise.begin(), noise.end());
    // Two stars: the threshold that best separates (Youden's J); three stars: no more than 5% of
    // different-word takes reach it.
    std::vector<double> candidates = same;
    candidates.insert(candidates.end(), different.begin(), different.end());
    std::sort(candidates.begin(), candidates.end());
    double two = 0, bestJ = -1, three = 0;
    for (double t : candidates) {
        const double j = fractionAtMost(same, t) - fractionAtMost(different, t);
        if (j > bestJ) {
            bestJ = j;
            two = t;
        }
        if (fractionAtMost(diff, t) <= 0.05)
            three = t;
    }
    std::printf("words: %d, same-word cases: %zu, different-word cases: %zu, noise cases: %zu\n",
                int(words.size()), same.size(), diff.size(), noise.size());
    std::printf("ROC AUC same vs different word: %.3f\n", rocAuc(same, diff));
    std::printf("noise refused as noise: %zu of %zu\n",
                size_t(std::count(noise.begin(), noise.end(), 1e9)), noise.size());
    std::printf("ROC AUC same vs noise: %.3f\n", rocAuc(same, noise));
    std::printf("ROC AUC same vs all different: %.3f\n", rocAuc(same, different));
    std::printf("three stars at distance <= %.2f (same %.0f%%, different word %.0f%%)\n", three,
                100 * fractionAtMost(same, three), 100 * fractionAtMost(diff, three));
    std::printf(
        "two stars at distance <= %.2f (same %.0f%%, different word %.0f%%, noise %.0f%%)\n", two,
        100 * fractionAtMost(same, two), 100 * fractionAtMost(diff, two),
        100 * fractionAtMost(noise, two));
    return 0;
}

#include "Effects.h"

#include "OutputFiles.h"

#include <cmath>
#include <numbers>

namespace Effects {

namespace {

constexpr double Pi = std::numbers::pi;

// A note of the tempered scale, 0 = A4 (440 Hz).
double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
constexpr int C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22, A6 = 24, G4 = -2;

int frames(double seconds) {
    return int(std::lround(seconds * SampleRate));
}

struct Tone {
    double start = 0;    // seconds
    double length = 0.1; // seconds
    double from = 440;   // Hz at the start
    double to = 440;     // Hz at the end (a glide when different)
    double amplitude = 0.5;
    double decay = 0.0;    // exponential decay time in seconds; 0 = held, faded at the end
    double overtone = 0.0; // share of the second harmonic, for a brighter, bell-like tone
};

// Adds a tone into the buffer, with a short attack so that it starts without a click.
void addTone(QList<float>& buffer, const Tone& tone) {
    const int first = frames(tone.start);
    const int count = frames(tone.length);
    if (buffer.size() < first + count)
        buffer.resize(first + count, 0.0f);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        const double progress = double(i) / count;
        const double frequency = tone.from + (tone.to - tone.from) * progress;
        phase += 2 * Pi * frequency / SampleRate;
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (count - i) / (0.015 * SampleRate));
        const double body = tone.decay > 0 ? std::exp(-t / tone.decay) : 1.0;
        const double wave = std::sin(phase) + tone.overtone * std::sin(2 * phase);
        buffer[first + i] +=
            float(tone.amplitude * attack * release * body * wave / (1 + tone.overtone));
    }
}

QList<float> render(std::initializer_list<Tone> tones) {
    QList<float> buffer;
    for (const Tone& tone : tones)
        addTone(buffer, tone);
    buffer.resize(buffer.size() + frames(0.02), 0.0f); // a little silence to end on
    return buffer;
}

// A short rising melody, each note sounded for a given time.
QList<float> melody(std::initializer_list<int> notes, double step, double last, double amplitude) {
    QList<float> buffer;
    double start = 0;
    int index = 0;
    const int count = int(notes.size());
    for (int n : notes) {
        const bool final = ++index == count;
        addTone(buffer, {start, final ? last : step * 0.95, note(n), note(n), amplitude,
                         final ? last / 2.5 : 0.12, 0.3});
        start += step;
    }
    buffer.resize(buffer.size() + frames(0.02), 0.0f);
    return buffer;
}

void putLe16(QByteArray& bytes, quint16 value) {
    bytes.append(char(value & 0xff)).append(char(value >> 8));
}

void putLe32(QByteArray& bytes, quint32 value) {
    putLe16(bytes, quint16(value & 0xffff));
    putLe16(bytes, quint16(value >> 16));
}

} // namespace

QList<float> samples(int effect) {
    switch (effect) {
    case 1: // click
        return render({{0, 0.03, 1800, 1500, 0.7, 0.006, 0.5}});
    case 2: // hover
        return render({{0, 0.07, 700, 1100, 0.35, 0.03, 0.2}});
    case 3: // pick
        return render({{0, 0.08, note(E6), note(E6), 0.5, 0.05, 0.3},
                       {0.07, 0.14, note(A6), note(A6), 0.5, 0.06, 0.3}});
    case 4: // soft pop
        return render({{0, 0.08, 420, 160, 0.55, 0.03, 0.0}});
    case 5: // sparkle
        return melody({C6, E6, G6}, 0.05, 0.12, 0.4);
    case 6: // bounce
        return render({{0, 0.22, 220, 520, 0.55, 0.12, 0.4}});
    case 7: // start-up tune
        return melody({C5, E5, G5, C6, G5, C6}, 0.14, 0.45, 0.45);
    case 8: // ding-dong greeting
        return render({{0, 0.45, note(E5), note(E5), 0.55, 0.18, 0.5},
                       {0.35, 0.7, note(C5), note(C5), 0.55, 0.25, 0.5}});
    case 9: // fanfare
        return melody({G4, C5, E5, G5, E5, G5, C6}, 0.11, 0.6, 0.45);
    default:
        return {};
    }
}

QByteArray waveFile(const QList<float>& samples) {
    QByteArray data;
    data.reserve(samples.size() + 2);
    for (float sample : samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        data.append(char(quint8(128 + std::lround(clamped * 127))));
    }
    if (data.isEmpty() || quint8(data.back()) != 128)
        data.append(char(128));
    if (data.size() % 2 != 0)
        data.append(char(128));

    QByteArray file("RIFF");
    putLe32(file, quint32(36 + data.size()));
    file.append("WAVEfmt ");
    putLe32(file, 16);
    putLe16(file, 1);          // PCM
    putLe16(file, 1);          // mono
    putLe32(file, SampleRate); // samples per second
    putLe32(file, SampleRate); // bytes per second
    putLe16(file, 1);          // block align
    putLe16(file, 8);          // bits per sample
    file.append("data");
    putLe32(file, quint32(data.size()));
    return file + data;
}

bool generate(const QString& programFolder, QString* error) {
    for (int effect = 1; effect <= Count; ++effect) {
        const QString path = programFolder + QStringLiteral("/Mcison/son%1.wav").arg(effect);
        if (!OutputFiles::writeIfChanged(path, waveFile(samples(effect)), error))
            return false;
    }
    return true;
}

} // namespace Effects

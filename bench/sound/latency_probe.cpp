// Measures how long the program's sound channel takes from the call to the sound, beside
// `paplay` of the same file on the same server, in one recording of the null sink's monitor;
// and how late the channel reports the end of a word after its last sample was played.
// Needs the server of scripts/start-audio.sh. Prints one line per kind of sound, in ms.
#include "platform/Clock.h"
#include "platform/QtAudioChannel.h"
#include "support/MonitorRecorder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

QByteArray le(quint32 value, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char((value >> (8 * i)) & 0xFF);
    return out;
}

// An 8-bit mono 11 025 Hz wave of a 1000 Hz tone, like the program's word files.
QByteArray toneWave(double seconds) {
    QByteArray pcm(qsizetype(11025 * seconds), '\0');
    for (qsizetype i = 0; i < pcm.size(); ++i)
        pcm[i] = char(128 + int(100 * std::sin(2.0 * M_PI * 1000.0 * double(i) / 11025.0)));
    const QByteArray fmt = le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) + le(1, 2) + le(8, 2);
    const QByteArray body =
        "WAVEfmt " + le(16, 4) + fmt + "data" + le(quint32(pcm.size()), 4) + pcm;
    return "RIFF" + le(quint32(body.size()), 4) + body;
}

void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Call {
    const char* kind;
    double at = 0;      // ms, when the call was made
    double endedAt = 0; // ms, when the channel reported the end (0: not reported)
};

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

constexpr double EarlyMs = 100.0;
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Arguments: rounds, and the latency parec asks of the server (ms).
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 8;
    const int monitorLatencyMs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    QTemporaryDir dir;
    const QString effectPath = dir.filePath("effect.wav");
    const QString wordPath = dir.filePath("word.wav");
    const QByteArray effect = toneWave(0.2);
    for (const auto& [path, bytes] : {std::pair{effectPath, effect}, {wordPath, toneWave(1.32)}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        file.write(bytes);
    }

    QElapsedTimer clock;
    clock.start();
    MonitorRecorder monitor(clock);
    if (!monitor.start(monitorLatencyMs)) {
        std::fprintf(stderr, "latency_probe: parec records nothing (run scripts/start-audio.sh)\n");
        return 1;
    }
    SystemClock systemClock;
    QtAudioChannel channel(systemClock);
    std::vector<Call> calls;
    QObject::connect(&channel, &AudioChannel::finished, [&] {
        if (!calls.empty())
            calls.back().endedAt = double(clock.nsecsElapsed()) / 1e6;
    });
    waitMs(500);
    for (int round = 0; round < rounds; ++round) {
        calls.push_back({"paplay", double(clock.nsecsElapsed()) / 1e6});
        QProcess::startDetached(QStringLiteral("paplay"), {wordPath});
        waitMs(1800);
        calls.push_back({"effect (from memory)", double(clock.nsecsElapsed()) / 1e6});
        channel.playImage(effect);
        waitMs(800);
        calls.push_back({"word (from its file)", double(clock.nsecsElapsed()) / 1e6});
        channel.playFile(wordPath);
        waitMs(1800);
    }
    monitor.stop();

    std::map<std::string, std::vector<double>> delays, lateEnds;
    qsizetype from = 0;
    for (const Call& call : calls) {
        // The search starts a little before the call: the recording's clock is only known to a
        // few milliseconds, and a sound that starts at once may seem to come before its call.
        while (from < monitor.frames() && monitor.timeOf(from) < call.at - EarlyMs)
            ++from;
        const qsizetype onset = monitor.onset(from);
        if (onset < 0) {
            std::printf("%s: not heard\n", call.kind);
            continue;
        }
        const qsizetype end = monitor.end(onset);
        delays[call.kind].push_back(monitor.timeOf(onset) - call.at);
        if (call.endedAt > 0)
            lateEnds[call.kind].push_back(call.endedAt - monitor.timeOf(end));
        from = end + 1;
    }
    const double reference = median(delays["paplay"]);
    for (const auto& [kind, values] : delays) {
        std::printf("%-22s call to sound: median %6.1f ms (min %6.1f, max %6.1f), %+6.1f ms "
                    "against paplay",
                    kind.c_str(), median(values), *std::min_element(values.begin(), values.end()),
                    *std::max_element(values.begin(), values.end()), median(values) - reference);
        if (!lateEnds[kind].empty())
            std::printf("; end reported %+6.1f ms after the last sample (max %+6.1f)",
                        median(lateEnds[kind]),
                        *std::max_element(lateEnds[kind].begin(), lateEnds[kind].end()));
        std::printf("\n");
    }
    return 0;
}

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QtEndian>
#include <cmath>
#include <limits>

// Records what the audio server plays on the null sink, with `parec` on its monitor, as 16-bit
// mono at 11 025 Hz, and keeps the time at which each sample was played: the earliest arrival of
// a sample, less the samples before it, gives the time of sample 0 on the caller's clock.
class MonitorRecorder {
public:
    static constexpr int Rate = 11025;

    explicit MonitorRecorder(const QElapsedTimer& clock,
                             QString monitor = QStringLiteral("brindel_null.monitor"))
        : clock_(clock), monitor_(std::move(monitor)) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            pcm_ += process_.readAllStandardOutput();
            const double frames = double(pcm_.size() / 2);
            origin_ =
                std::min(origin_, double(clock_.nsecsElapsed()) / 1e6 - frames * 1000.0 / Rate);
        });
    }
    ~MonitorRecorder() { stop(); }

    // Starts parec; true once its first samples have arrived.
    // latencyMs is asked of the server; a small one also lowers the null sink's own latency.
    bool start(int latencyMs = 5, int timeoutMs = 5000) {
        process_.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), monitor_, QStringLiteral("--rate=11025"),
                        QStringLiteral("--channels=1"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--latency-msec=%1").arg(latencyMs),
                        QStringLiteral("--raw")});
        if (!process_.waitForStarted(timeoutMs))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (pcm_.isEmpty() && waited.elapsed() < timeoutMs)
            process_.waitForReadyRead(100);
        return !pcm_.isEmpty();
    }

    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        process_.waitForFinished(2000);
        pcm_ += process_.readAllStandardOutput();
    }

    qsizetype frames() const { return pcm_.size() / 2; }
    int sample(qsizetype i) const { return qFromLittleEndian<qint16>(pcm_.constData() + 2 * i); }
    // When sample i was played, in milliseconds of the caller's clock.
    double timeOf(qsizetype i) const { return origin_ + double(i) * 1000.0 / Rate; }

    // First sample at or after `from` whose level passes `threshold`; -1 when none.
    qsizetype onset(qsizetype from, int threshold = 1000) const {
        for (qsizetype i = std::max<qsizetype>(from, 0); i < frames(); ++i)
            if (std::abs(sample(i)) > threshold)
                return i;
        return -1;
    }
    // Last loud sample of the sound that starts at `start`: the one followed by `gapMs` of quiet.
    qsizetype end(qsizetype start, int gapMs = 50, int threshold = 1000) const {
        const qsizetype gap = qsizetype(gapMs) * Rate / 1000;
        qsizetype last = start;
        for (qsizetype i = start; i < frames() && i - last < gap; ++i)
            if (std::abs(sample(i)) > threshold)
                last = i;
        return last;
    }

private:
    const QElapsedTimer& clock_;
    QString monitor_;
    QProcess process_;
    QByteArray pcm_;
    double origin_ = std::numeric_limits<double>::max();
};

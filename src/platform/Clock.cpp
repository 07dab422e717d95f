#include "platform/Clock.h"

#include <QDateTime>
#include <QTime>
#include <chrono>

double SystemClock::secondsOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

qint64 SystemClock::monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SeededRandom::randomize() {
    engine_.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
}

double SeededRandom::rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

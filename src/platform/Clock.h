#pragma once

#include <QtGlobal>
#include <random>

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions (the time of day).
    virtual double secondsOfDay() = 0;
    // Milliseconds on a monotonic scale, for measuring lengths of time.
    virtual qint64 monotonicMs() = 0;
};

class SystemClock : public Clock {
public:
    double secondsOfDay() override;
    qint64 monotonicMs() override;
};

class Random {
public:
    virtual ~Random() = default;
    // Seeds the generator from the clock.
    virtual void randomize() = 0;
    // Next number in [0, 1).
    virtual double rnd() = 0;
};

class SeededRandom : public Random {
public:
    explicit SeededRandom(unsigned seed = 1) : engine_(seed) {}
    void randomize() override;
    double rnd() override;

private:
    std::mt19937 engine_;
};

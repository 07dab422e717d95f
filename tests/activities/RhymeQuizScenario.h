#pragma once

#include "platform/Clock.h"

#include <QList>

// A generator that returns the scripted numbers in turn, starting again at the first, and
// counts its reseeds.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(QList<double> numbers = {0.0}) : values(std::move(numbers)) {}
    void randomize() override { ++seeds; }
    double rnd() override { return values.at(next++ % values.size()); }
    QList<double> values;
    int next = 0;
    int seeds = 0;
};

#include "activities/RhymeOrder.h"

#include "platform/Clock.h"

#include <array>
#include <utility>

namespace {
// Per rhyme 1..10: prefix, verse spacing, autosize, word wrap.
const std::array<RhymeOrder::Layout, 10> Layouts{{{QStringLiteral("10"), 600, true, false},
                                                  {QStringLiteral("11"), 400, true, false},
                                                  {QStringLiteral("12"), 400, true, false},
                                                  {QStringLiteral("13"), 300, true, false},
                                                  {QStringLiteral("14"), 400, true, false},
                                                  {QStringLiteral("15"), 300, true, false},
                                                  {QStringLiteral("16"), 400, false, true},
                                                  {QStringLiteral("17"), 600, false, true},
                                                  {QStringLiteral("18"), 400, true, false},
                                                  {QStringLiteral("19"), 400, true, false}}};

const QString TenthVerseKey = QStringLiteral("160");
} // namespace

std::optional<RhymeOrder::Layout> RhymeOrder::layout(int numExercice) {
    if (numExercice < FirstExercise || numExercice > LastExercise)
        return std::nullopt;
    return Layouts.at(static_cast<size_t>(numExercice - FirstExercise));
}

QString RhymeOrder::verseKey(const QString& prefix, int k) {
    return k == MaxVerses ? TenthVerseKey : prefix + QString::number(k);
}

QString RhymeOrder::verseSound(int numExercice, int k) {
    return QStringLiteral("\\MciLangue\\1%1%2.wav").arg(numExercice).arg(k);
}

QString RhymeOrder::rhymeSound(int numExercice) {
    const QString n = QString::number(numExercice);
    return QStringLiteral("\\MciLangue\\1") + n + n + QStringLiteral("0.wav");
}

void RhymeOrder::setVerses(const QStringList& verses, int interligne) {
    verses_ = verses;
    texte_.clear();
    tops_.clear();
    int hautVers = FirstTop;
    for (const QString& verse : verses) {
        texte_ += verse + EndOfVerse;
        tops_ << hautVers;
        hautVers += interligne;
    }
    restart();
}

void RhymeOrder::shuffle(Random& random) {
    random.randomize();
    const int n = nbVers();
    for (int k = 1; k <= n; ++k) {
        // rnd() is below 1, so j stays within 1..n; the clamp guards a generator that is not.
        const int j = qBound(1, int(n * random.rnd() + 1), n);
        std::swap(tops_[k - 1], tops_[j - 1]);
    }
}

void RhymeOrder::restart() {
    panel_.clear();
    dropped_ = QList<bool>(verses_.size(), false);
}

bool RhymeOrder::drop(int k) {
    if (!valid(k) || dropped_.at(k - 1))
        return false;
    dropped_[k - 1] = true;
    panel_ += verse(k) + EndOfVerse;
    return true;
}

QString RhymeOrder::panelLines() const {
    QString lines = panel_;
    lines.replace(EndOfVerse, u'\n');
    return lines;
}

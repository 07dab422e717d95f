#include "pupils/Rewards.h"

#include "data/Criterion.h"
#include "data/RecordSet.h"
#include "data/Schema.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace Rewards {

namespace {
constexpr int Min16 = std::numeric_limits<qint16>::min();
constexpr int Max16 = std::numeric_limits<qint16>::max();

// One column of bars in the chart: a left edge and the tops of its bars, for bars first..
struct BarColumn {
    int first;
    int left;
    std::array<int, 12> tops;
    int count;
};
constexpr BarColumn Columns[] = {
    {0, 2160, {1110, 1335, 1545, 1755, 1980, 2205, 2430, 2655, 2880, 3090, 3300, 3510}, 12},
    {12, 6420, {1140, 1365, 1575, 1800, 2025, 2235}, 6},
    {18, 1200, {4500, 4740, 4950, 5160, 5385, 5610, 5820, 6045, 6270, 6480}, 10},
    {28, 6975, {4515, 4740, 4965, 5175, 5385, 5610, 5835, 6060, 6285, 6510}, 10},
    {38, 4140, {4500, 4725, 4950, 5175, 5400, 5610, 5835, 6045, 6255, 6480}, 10},
    {48, 6420, {2895}, 1},
};
constexpr int RhymeLeft = 6435;
constexpr int RhymeStep = 200;
constexpr int RhymeTop = 3510;
constexpr double TwipsPerPoint = 13.5;
constexpr double FullScore = 10.0;
} // namespace

qint16 toScore(const QVariant& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || std::isnan(number))
        return 0;
    const double rounded = std::nearbyint(std::clamp(number, double(Min16), double(Max16)));
    return qint16(rounded);
}

qint16 total(const QVariantList& values) {
    int sum = 0;
    for (const QVariant& value : values)
        sum = std::clamp(sum + toScore(value), Min16, Max16);
    return qint16(sum);
}

QString scoreCaption(int total) {
    return QStringLiteral(" SCORE : ") + QString::number(total);
}

bool isDiploma(int total) {
    return total == DiplomaTotal;
}

Awards awards(int total) {
    Awards a;
    if (total <= 0)
        return a;
    a.medals = total % 10;
    if (total > 9)
        a.cups = total / 10 % 10;
    if (total > 99)
        a.trophies = std::min(total / 100, TrophyPlaces);
    return a;
}

BarPlace barPlace(int index) {
    if (index >= FirstRhymeBar && index < ScoreCount)
        return {RhymeLeft + RhymeStep * (index - FirstRhymeBar), RhymeTop};
    for (const BarColumn& column : Columns)
        if (index >= column.first && index < column.first + column.count)
            return {column.left, column.tops[std::size_t(index - column.first)]};
    return {};
}

double barValue(const QVariant& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && !std::isnan(number) ? number : 0.0;
}

double barWidthTwips(double value) {
    return std::clamp(value, 0.0, FullScore) * TwipsPerPoint;
}

unsigned barColour(int index, double value) {
    if (index >= FirstRhymeBar)
        return Green;
    if (value < 6)
        return Red;
    if (value > 5 && value < 8)
        return Orange;
    return Green;
}

unsigned initialBarColour(int index) {
    return index >= FirstRhymeBar ? Green : PaleYellow;
}

PupilScores readPupilScores(RecordSet& gestion, const QString& nomEleve) {
    PupilScores scores;
    scores.nom = nomEleve;
    const QStringList& fields = Schema::scoreFields();
    if (gestion.findFirst(Criterion::equals(Schema::Field::Nom, nomEleve)) && !gestion.noMatch() &&
        gestion.hasCurrent()) {
        scores.found = true;
        scores.nom = gestion.field(Schema::Field::Nom).toString();
        scores.groupe = gestion.field(Schema::Field::Groupe).toString();
        for (const QString& field : fields)
            scores.values << gestion.field(field);
    } else {
        for (int i = 0; i < fields.size(); ++i)
            scores.values << QVariant(0);
    }
    return scores;
}

} // namespace Rewards

#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

class RecordSet;

// The arithmetic of the results: the total of the score columns, the trophies, cups and medals
// that spell it out, the diploma at the full score, and the bars of the results chart.
namespace Rewards {

constexpr int ScoreCount = 59;
constexpr int FirstRhymeBar = 49; // Comptine1..Comptine10 are the last ten bars
constexpr int DiplomaTotal = 500;
constexpr int TrophyPlaces = 4;
constexpr int CupPlaces = 9;
constexpr int MedalPlaces = 9;

// A score column read as a 16-bit integer: rounded to the nearest whole number, halves to the
// even neighbour, held within the 16-bit range. A missing or unreadable value counts 0.
qint16 toScore(const QVariant& value);
// The sum of the score columns, as a 16-bit total that stops at its limits instead of
// overflowing.
qint16 total(const QVariantList& values);
// " SCORE : " followed by the total.
QString scoreCaption(int total);
bool isDiploma(int total);

// How many places of each row show their picture: a trophy per hundred, a cup per ten and a
// medal per unit. A total above 500 keeps its tens and units and fills the four trophy places;
// a total of 0 or below shows nothing.
struct Awards {
    int trophies = 0;
    int cups = 0;
    int medals = 0;
    bool operator==(const Awards& other) const {
        return trophies == other.trophies && cups == other.cups && medals == other.medals;
    }
};
Awards awards(int total);

// Colours of the chart as &HBBGGRR.
constexpr unsigned Red = 0x0000FF;
constexpr unsigned Orange = 0x0080FF;
constexpr unsigned Green = 0x00C000;
constexpr unsigned PaleYellow = 0xC0FFFF; // bars before the first reading
constexpr int InitialBarWidth = 15;       // twips
constexpr int BarHeight = 225;            // twips

// Where bar `index` (0..58) starts, in twips: its left edge and its top.
struct BarPlace {
    int left = 0;
    int top = 0;
};
BarPlace barPlace(int index);
// A score column read as a number, as the chart takes it (5.5 stays 5.5).
double barValue(const QVariant& value);
// The bar's width in twips, 13.5 a point, kept within 0 and the 135 twips of a full score so a
// value written outside the program cannot run over the captions beside it.
double barWidthTwips(double value);
// The bar's colour: below 6 red, from above 5 to below 8 orange, above 7 green, tested in that
// order on the value as stored; the rhyme bars are always green.
unsigned barColour(int index, double value);
// The colour of a bar before the first reading.
unsigned initialBarColour(int index);

// The pupil's row of Gestion: the first whose Nom equals the name, letter case ignored.
struct PupilScores {
    bool found = false;
    QString nom;
    QString groupe;
    QVariantList values; // the score columns in bar order; zeros when no row matches
};
PupilScores readPupilScores(RecordSet& gestion, const QString& nomEleve);

} // namespace Rewards

// The pictures of "Ecoute et comprends": Europe, the calendar, colours, numbers (17 hotspots
// each, 0..9 and 11..17) and the two opposition pictures (exercises 13 to 18).
#include "Drawings.h"
#include "Emoji.h"
#include "SceneLayout.h"
#include "Scenes.h"

#include <QPainter>
#include <QPainterPath>

using SceneLayout::Row;
using SceneLayout::square;

namespace {

// The seventeen hotspot indexes of a second-list picture, in reading order.
constexpr int ListIndexes[17] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17};
const std::vector<Row> SixSixFive = {{6, 150}, {6, 295}, {5, 445}};

void europeBackdrop(QPainter& p, const QSize& size) {
    Drawings::plain(QColor(0x7c, 0xc0, 0xec), QColor(0x4a, 0x96, 0xd4))(p, size);
    QPainterPath land;
    land.addRoundedRect(QRectF(20, 62, 760, 480), 80, 80);
    p.setPen(QPen(QColor(0x6a, 0x9a, 0x4a), 3));
    p.setBrush(QColor(0xe8, 0xf2, 0xcc));
    p.drawPath(land);
}

Scene europe() {
    struct Country {
        const char* flag;
        const char* caption;
    };
    // Rows run roughly from the north-west to the south-east of Europe.
    const Country countries[17] = {{"🇫🇷", "France\nParis"},        {"🇪🇸", "Espagne\nMadrid"},
                                   {"🇩🇪", "Allemagne\nBerlin"},    {"🇮🇹", "Italie\nRome"},
                                   {"🇬🇧", "Royaume-Uni\nLondres"}, {"🇵🇹", "Portugal\nLisbonne"},
                                   {"🇧🇪", "Belgique\nBruxelles"},  {"🇳🇱", "Pays-Bas\nAmsterdam"},
                                   {"🇨🇭", "Suisse\nBerne"},        {"🇮🇪", "Irlande\nDublin"},
                                   {"🇬🇷", "Grèce\nAthènes"},       {"🇵🇱", "Pologne\nVarsovie"},
                                   {"🇦🇹", "Autriche\nVienne"},     {"🇸🇪", "Suède\nStockholm"},
                                   {"🇳🇴", "Norvège\nOslo"},        {"🇩🇰", "Danemark\nCopenhague"},
                                   {"🇫🇮", "Finlande\nHelsinki"}};
    // Where each country sits (index into the centres below), north-west first.
    const int place[17] = {6, 13, 9, 15, 1, 12, 7, 8, 14, 0, 16, 10, 11, 4, 3, 2, 5};
    const std::vector<QPointF> centres = SceneLayout::rows({{6, 112}, {6, 262}, {5, 412}});
    std::vector<SceneItem> items;
    for (int i = 0; i < 17; ++i) {
        SceneItem item = Scenes::emoji(ListIndexes[i], QString::fromUtf8(countries[i].flag),
                                       centres[place[i]], 78);
        item.caption = QString::fromUtf8(countries[i].caption);
        items.push_back(item);
    }
    return {QStringLiteral("Capitale"), QStringLiteral("L'Europe"), {}, europeBackdrop, items, {}};
}

Scene calendar() {
    struct Tile {
        const char* glyph;
        const char* name;
        QColor colour;
    };
    const QColor winter(0xcf, 0xe6, 0xff), spring(0xd8, 0xf5, 0xc8), summer(0xff, 0xf0, 0xa8),
        autumn(0xff, 0xd8, 0xb0), special(0xf8, 0xd0, 0xf0);
    const Tile tiles[17] = {
        {"⛄", "janvier", winter},       {"🎭", "février", winter},      {"🌱", "mars", spring},
        {"🐣", "avril", spring},         {"🌷", "mai", spring},          {"🍓", "juin", summer},
        {"🏖️", "juillet", summer}, {"🌻", "août", summer},         {"🎒", "septembre", autumn},
        {"🎃", "octobre", autumn},       {"🍂", "novembre", autumn},     {"🎄", "décembre", winter},
        {"🌸", "printemps", spring},     {"☀️", "été", summer},     {"🍁", "automne", autumn},
        {"❄️", "hiver", winter},    {"🎂", "anniversaire", special}};
    const std::vector<QPointF> centres = SceneLayout::rows(SixSixFive, 20);
    std::vector<SceneItem> items;
    for (int i = 0; i < 17; ++i) {
        const qreal side = i < 12 ? 116 : 122;
        SceneItem item =
            Scenes::painted(ListIndexes[i], square(centres[i], side),
                            Drawings::tile(tiles[i].colour, QString::fromUtf8(tiles[i].glyph),
                                           QString::fromUtf8(tiles[i].name)));
        item.hotspot = {HotShape::rectangle(item.box.toRect())};
        items.push_back(item);
    }
    return {QStringLiteral("Calend"),
            QStringLiteral("Le calendrier"),
            {},
            Drawings::plain(QColor(0xff, 0xfd, 0xf4), QColor(0xf0, 0xe8, 0xd8)),
            items,
            {}};
}

Scene colours() {
    struct Blob {
        QColor colour;
        const char* glyph;
    };
    const Blob blobs[17] = {
        {QColor(0xe5, 0x25, 0x25), "🍎"},       {QColor(0xff, 0xe0, 0x20), "🍌"},
        {QColor(0x38, 0xb0, 0x38), "🐸"},       {QColor(0x28, 0x68, 0xe0), "🐳"},
        {QColor(0xff, 0x8c, 0x10), "🍊"},       {QColor(0x8a, 0x3c, 0xc8), "🍇"},
        {QColor(0xff, 0x9c, 0xc8), "🐷"},       {QColor(0x8a, 0x56, 0x2c), "🐻"},
        {QColor(0x18, 0x18, 0x18), "🎩"},       {QColor(0xff, 0xff, 0xff), "⛄"},
        {QColor(0x9a, 0x9a, 0x9a), "🐘"},       {QColor(0xe0, 0xb0, 0x30), "👑"},
        {QColor(0xc8, 0xcc, 0xd4), "🥄"},    {QColor(0xff, 0xff, 0xff), "🌈"},
        {QColor(0xff, 0xff, 0xff), "🖌️"}, {QColor(0xff, 0xff, 0xff), "🖍️"},
        {QColor(0xff, 0xff, 0xff), "🎨"}};
    const std::vector<QPointF> centres = SceneLayout::rows(SixSixFive, 20);
    std::vector<SceneItem> items;
    for (int i = 0; i < 17; ++i)
        items.push_back(Scenes::painted(
            ListIndexes[i], square(centres[i], 118),
            Drawings::colourBlob(blobs[i].colour, QString::fromUtf8(blobs[i].glyph))));
    return {QStringLiteral("Couleur"),
            QStringLiteral("Les couleurs"),
            {},
            Drawings::plain(QColor(0xfa, 0xf6, 0xee), QColor(0xe8, 0xe4, 0xf4)),
            items,
            {}};
}

Scene numbers() {
    const int values[17] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 20, 50, 100};
    const QColor palette[6] = {QColor(0xe0, 0x4a, 0x4a), QColor(0x3a, 0x8a, 0xe0),
                               QColor(0x3a, 0xa8, 0x5a), QColor(0xe0, 0x8a, 0x2a),
                               QColor(0x8a, 0x5a, 0xc8), QColor(0x2a, 0xa8, 0xb0)};
    const std::vector<QPointF> centres = SceneLayout::rows(SixSixFive, 20);
    std::vector<SceneItem> items;
    for (int i = 0; i < 17; ++i) {
        SceneItem item = Scenes::painted(ListIndexes[i], square(centres[i], 116),
                                         Drawings::numberTile(values[i], palette[i % 6]));
        item.hotspot = {HotShape::rectangle(item.box.toRect())};
        items.push_back(item);
    }
    return {QStringLiteral("Nombre"),
            QStringLiteral("Les nombres"),
            {},
            Drawings::plain(QColor(0xf6, 0xfa, 0xff), QColor(0xe4, 0xee, 0xfa)),
            items,
            {}};
}

// Opposites come in pairs: the word on the top row, its opposite under it. While exploring,
// the whole card answers; while questions are asked, only the drawing in it.
struct Opposite {
    QColor card;
    ObjectPainter draw;
    qreal scale; // size of the drawing inside its card
};

SceneItem oppositeCard(int index, const Opposite& opposite) {
    const int column = index / 2, row = index % 2;
    const QRectF card(22 + column * 154, row == 0 ? 92 : 322, 138, 200);
    const qreal side = 118 * opposite.scale;
    const QRectF drawing = square(card.center(), side);
    const ObjectPainter inner = opposite.draw;
    const QColor colour = opposite.card;
    SceneItem item =
        Scenes::painted(index, card, [colour, inner, drawing](QPainter& p, const QRectF& box) {
            p.setPen(QPen(QColor(0x3a, 0x2a, 0x1a), 3));
            p.setBrush(colour);
            p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 16, 16);
            inner(p, drawing);
        });
    item.hotspot = {HotShape::rectangle(card.toRect())};
    item.questionHotspot = {HotShape::ellipse(drawing.adjusted(-6, -6, 6, 6).toRect())};
    return item;
}

void oppositeBackdrop(QPainter& p, const QSize& size) {
    Drawings::plain(QColor(0xff, 0xf8, 0xe8), QColor(0xf0, 0xe4, 0xff))(p, size);
    p.setPen(QPen(QColor(0x9a, 0x7a, 0xc0), 4, Qt::SolidLine, Qt::RoundCap));
    for (int column = 0; column < 5; ++column) {
        const qreal x = 22 + column * 154 + 69;
        p.drawLine(QPointF(x, 294), QPointF(x, 320));
        p.drawLine(QPointF(x - 8, 302), QPointF(x, 294));
        p.drawLine(QPointF(x + 8, 302), QPointF(x, 294));
        p.drawLine(QPointF(x - 8, 312), QPointF(x, 320));
        p.drawLine(QPointF(x + 8, 312), QPointF(x, 320));
    }
}

Scene oppositeScene(const QString& colonne, const QString& title, const QString& questionFile,
                    const std::vector<Opposite>& opposites) {
    std::vector<SceneItem> items;
    for (int i = 0; i < int(opposites.size()); ++i)
        items.push_back(oppositeCard(i, opposites[i]));
    return {colonne, title, {}, oppositeBackdrop, items, questionFile};
}

} // namespace

namespace Scenes {
std::vector<Scene> listes() {
    return {europe(), calendar(), colours(), numbers()};
}

std::vector<Scene> opposites() {
    const QColor warm(0xff, 0xe8, 0xc8), cool(0xd8, 0xec, 0xff), day(0xbc, 0xe4, 0xff),
        night(0x2a, 0x34, 0x70);
    using Drawings::emoji;
    return {
        oppositeScene(QStringLiteral("Opposit1"), QStringLiteral("Opposition 1"),
                      QStringLiteral("Opposh1"),
                      {{warm, emoji(QStringLiteral("🐶")), 1.0},
                       {warm, emoji(QStringLiteral("🐶")), 0.42},
                       {warm, emoji(QStringLiteral("🥵")), 0.9},
                       {cool, emoji(QStringLiteral("🥶")), 0.9},
                       {warm, emoji(QStringLiteral("😀")), 0.9},
                       {cool, emoji(QStringLiteral("😢")), 0.9},
                       {warm, emoji(QStringLiteral("🐇")), 0.9},
                       {cool, emoji(QStringLiteral("🐢")), 0.9},
                       {day, emoji(QStringLiteral("☀️")), 0.9},
                       {night, emoji(QStringLiteral("🌙")), 0.9}}),
        oppositeScene(QStringLiteral("Opposit2"), QStringLiteral("Opposition 2"),
                      QStringLiteral("Opposh2"),
                      {{warm, emoji(QStringLiteral("👧")), 0.9},
                       {cool, emoji(QStringLiteral("👵")), 0.9},
                       {warm, Drawings::glass(QColor(0x6c, 0xbc, 0xf4), 0.9), 1.0},
                       {cool, Drawings::glass(QColor(0x6c, 0xbc, 0xf4), 0.0), 1.0},
                       {warm, emoji(QStringLiteral("📖")), 0.9},
                       {cool, emoji(QStringLiteral("📕")), 0.9},
                       {warm, Drawings::pencil(1.0), 1.0},
                       {cool, Drawings::pencil(0.45), 1.0},
                       {warm, emoji(QStringLiteral("⬆️")), 0.8},
                       {cool, emoji(QStringLiteral("⬇️")), 0.8}}),
    };
}
} // namespace Scenes

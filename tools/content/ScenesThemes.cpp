// The twelve theme pictures of "Ecoute et observe" (exercises 1 to 12).
#include "Drawings.h"
#include "Emoji.h"
#include "SceneLayout.h"
#include "Scenes.h"

#include <QPainter>

using SceneLayout::emojiRows;
using SceneLayout::Row;
using SceneLayout::square;

namespace {

const std::vector<Row> FourThreeThree = {{4, 170}, {3, 320}, {3, 468}};
const std::vector<Row> FiveFive = {{5, 200}, {5, 415}};

SceneItem& withPatch(std::vector<SceneItem>& items, int index, const QColor& colour) {
    for (SceneItem& item : items)
        if (item.index == index) {
            item.patch = colour;
            return item;
        }
    return items.front();
}

// Painted furniture answers with its whole box.
SceneItem boxed(int index, const QRectF& box, ObjectPainter draw) {
    SceneItem item = Scenes::painted(index, box, std::move(draw));
    item.hotspot = {HotShape::rectangle(box.toRect())};
    return item;
}

Scene activities() {
    std::vector<SceneItem> items = emojiRows({{0, QStringLiteral("🏃")},
                                              {1, QStringLiteral("🏊")},
                                              {2, QStringLiteral("💃")},
                                              {3, QStringLiteral("🧑‍🎤")},
                                              {4, QStringLiteral("🧒")},
                                              {5, QStringLiteral("✍️")},
                                              {6, QStringLiteral("🛌")},
                                              {7, QStringLiteral("🚴")},
                                              {8, QStringLiteral("🧗")},
                                              {9, QStringLiteral("🧑‍🎨")}},
                                             FourThreeThree, 112);
    withPatch(items, 1, QColor(0x4a, 0xa8, 0xe8));
    withPatch(items, 8, QColor(0x9a, 0x92, 0x88));
    items[4].draw = Drawings::emoji(QStringLiteral("🧒"), QStringLiteral("📖"));
    return {QStringLiteral("Activite"),
            QStringLiteral("Mes activités"),
            {},
            Drawings::outdoor(QColor(0x7e, 0xc8, 0xf0), QColor(0x86, 0xc8, 0x5e), 240),
            items,
            {}};
}

Scene sports() {
    return {QStringLiteral("Sport"),
            QStringLiteral("Le sport"),
            {},
            Drawings::outdoor(QColor(0x8c, 0xd0, 0xf8), QColor(0x5e, 0xb8, 0x4e), 210),
            emojiRows({{0, QStringLiteral("⚽")},
                       {1, QStringLiteral("🎾")},
                       {2, QStringLiteral("🏀")},
                       {3, QStringLiteral("🏉")},
                       {4, QStringLiteral("⛳")},
                       {5, QStringLiteral("⛷️")},
                       {6, QStringLiteral("🥊")},
                       {7, QStringLiteral("🏐")},
                       {8, QStringLiteral("🏓")},
                       {9, QStringLiteral("🏇")}},
                      FourThreeThree, 112),
            {}};
}

// Real instruments (0, 2, 3, 4, 8) and music things that are not instruments (1, 5, 6, 7, 9):
// the teacher is pleased with the first and shakes her head at the others.
Scene music() {
    return {QStringLiteral("Musique"),
            QStringLiteral("La musique"),
            QStringLiteral("Instrument ou pas ?"),
            Drawings::room(QColor(0xf1, 0xe2, 0xfb), QColor(0xd9, 0xa0, 0x66), 300),
            emojiRows({{0, QStringLiteral("🎸")},
                       {1, QStringLiteral("🎤")},
                       {2, QStringLiteral("🎹")},
                       {3, QStringLiteral("🥁")},
                       {4, QStringLiteral("🎺")},
                       {5, QStringLiteral("🎧")},
                       {6, QStringLiteral("📻")},
                       {7, QStringLiteral("💿")},
                       {8, QStringLiteral("🎻")},
                       {9, QStringLiteral("🎼")}},
                      {{4, 178}, {3, 322}, {3, 470}}, 108),
            {}};
}

Scene jobs() {
    return {QStringLiteral("Metier"),
            QStringLiteral("Les métiers"),
            {},
            Drawings::plain(QColor(0xff, 0xf4, 0xd8), QColor(0xff, 0xd8, 0xb8)),
            emojiRows({{0, QStringLiteral("🧑‍🍳")},
                       {1, QStringLiteral("🧑‍⚕️")},
                       {2, QStringLiteral("🧑‍🚒")},
                       {3, QStringLiteral("👮")},
                       {4, QStringLiteral("🧑‍🏫")},
                       {5, QStringLiteral("🧑‍🌾")},
                       {6, QStringLiteral("👷")},
                       {7, QStringLiteral("🧑‍🚀")},
                       {8, QStringLiteral("🧑‍✈️")},
                       {9, QStringLiteral("🧑‍🔧")}},
                      FiveFive, 130),
            {}};
}

Scene food() {
    std::vector<SceneItem> items = emojiRows({{0, QStringLiteral("🍞")},
                                              {1, QStringLiteral("🧀")},
                                              {2, QStringLiteral("🍎")},
                                              {3, QStringLiteral("🍌")},
                                              {4, QStringLiteral("🥚")},
                                              {5, QStringLiteral("🥕")},
                                              {6, QStringLiteral("🍗")},
                                              {7, QStringLiteral("🍚")},
                                              {8, QStringLiteral("🍰")},
                                              {9, QStringLiteral("🍦")}},
                                             FourThreeThree, 96);
    for (SceneItem& item : items)
        item.patch = Qt::white;
    return {QStringLiteral("Aliment"),
            QStringLiteral("L'alimentation"),
            {},
            Drawings::room(QColor(0xff, 0xf1, 0xd0), QColor(0xe0, 0xc8, 0xa8), 250),
            items,
            {}};
}

Scene drinks() {
    const std::vector<QPointF> at = SceneLayout::rows(FiveFive);
    auto box = [&](int i) { return QRectF(at[i].x() - 60, at[i].y() - 70, 120, 140); };
    return {
        QStringLiteral("Boisson"),
        QStringLiteral("Les boissons"),
        {},
        Drawings::room(QColor(0xe6, 0xf4, 0xff), QColor(0xc8, 0xa0, 0x7a), 300),
        {Scenes::painted(0, box(0),
                         Drawings::glass(QColor(0x9f, 0xd8, 0xff), 0.75, QStringLiteral("💧"))),
         Scenes::painted(1, box(1), Drawings::emoji(QStringLiteral("🥛"))),
         Scenes::painted(2, box(2), Drawings::emoji(QStringLiteral("🍵"))),
         Scenes::painted(3, box(3), Drawings::emoji(QStringLiteral("☕"))),
         Scenes::painted(4, box(4),
                         Drawings::glass(QColor(0xff, 0xa0, 0x24), 0.8, QStringLiteral("🍊"))),
         Scenes::painted(5, box(5),
                         Drawings::glass(QColor(0xe8, 0xc8, 0x4a), 0.8, QStringLiteral("🍏"))),
         Scenes::painted(6, box(6),
                         Drawings::glass(QColor(0xf6, 0xf3, 0xa8), 0.8, QStringLiteral("🍋"))),
         Scenes::painted(7, box(7), Drawings::mug(QColor(0x6b, 0x3e, 0x1f), QStringLiteral("🍫"))),
         Scenes::painted(8, box(8), Drawings::emoji(QStringLiteral("🥤"))),
         Scenes::painted(9, box(9),
                         Drawings::glass(QColor(0xf7, 0xb6, 0xc8), 0.85, QStringLiteral("🍓")))},
        {}};
}

// A house seen from outside on the left (roof, chimney, window, door, garden) and cut open on
// the right (bedroom, bathroom, living room, kitchen, stairs).
void houseBackdrop(QPainter& p, const QSize& size) {
    Drawings::outdoor(QColor(0x9c, 0xd6, 0xf6), QColor(0x7c, 0xc2, 0x58), 470)(p, size);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
    p.setBrush(QColor(0xf5, 0xe1, 0xb0));
    p.drawRect(50, 232, 300, 238);
    p.setBrush(QColor(0xb8, 0x3a, 0x2c));
    p.drawPolygon(QPolygon({QPoint(400, 160), QPoint(595, 62), QPoint(790, 160)}));
    p.setBrush(QColor(0xf0, 0xe6, 0xd2));
    p.drawRect(400, 160, 390, 310);
}

SceneItem room(int index, const QRect& area, const QColor& wall, const QString& glyph) {
    SceneItem item = boxed(index, area, [wall, glyph](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
        p.setBrush(wall);
        p.drawRect(box);
        Emoji::draw(p, box.adjusted(20, 30, -20, -10), glyph);
    });
    return item;
}

Scene house() {
    const QPolygon roof({QPoint(30, 234), QPoint(200, 100), QPoint(370, 234)});
    SceneItem chimney = boxed(1, QRectF(265, 96, 40, 90), [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
        p.setBrush(QColor(0xa0, 0x50, 0x38));
        p.drawRect(box);
        p.setBrush(QColor(0xd0, 0xd0, 0xd0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(box.center().x() + 6, box.top() - 16), 14, 9);
        p.drawEllipse(QPointF(box.center().x() + 22, box.top() - 34), 18, 11);
    });
    chimney.hotspot = {HotShape::rectangle(QRect(262, 60, 46, 100))};
    SceneItem roofItem =
        Scenes::painted(0, roof.boundingRect(), [roof](QPainter& p, const QRectF&) {
            p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
            p.setBrush(QColor(0xc8, 0x44, 0x30));
            p.drawPolygon(roof);
            p.setPen(QPen(QColor(0x90, 0x30, 0x20), 2));
            for (int y = 130; y < 230; y += 20) {
                const int half = (y - 100) * 170 / 134;
                p.drawLine(200 - half + 8, y, 200 + half - 8, y);
            }
        });
    roofItem.hotspot = {HotShape::poly(roof)};
    SceneItem window = boxed(2, QRectF(80, 265, 100, 85), [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 4));
        p.setBrush(QColor(0xa8, 0xdc, 0xff));
        p.drawRect(box);
        p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
        p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    });
    SceneItem door = boxed(3, QRectF(232, 345, 74, 125), [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
        p.setBrush(QColor(0x3a, 0x6e, 0xc0));
        p.drawRoundedRect(box, 8, 8);
        p.setBrush(QColor(0xf2, 0xc9, 0x4c));
        p.drawEllipse(QPointF(box.right() - 14, box.center().y() + 6), 6, 6);
    });
    SceneItem garden = boxed(4, QRectF(0, 476, 390, 84), [](QPainter& p, const QRectF& box) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5e, 0xb0, 0x44));
        p.drawRect(box);
        const QString plants[] = {QStringLiteral("🌷"), QStringLiteral("🌳"), QStringLiteral("🌻"),
                                  QStringLiteral("🌷"), QStringLiteral("🌳")};
        for (int i = 0; i < 5; ++i)
            Emoji::draw(p, QRectF(box.left() + 10 + i * 76, box.top() + 6, 68, 72), plants[i]);
    });
    SceneItem stairs = boxed(9, QRectF(700, 160, 90, 310), [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
        p.setBrush(QColor(0xf8, 0xee, 0xdc));
        p.drawRect(box);
        QPolygonF steps;
        steps << box.bottomLeft();
        const int count = 9;
        for (int i = 0; i < count; ++i) {
            const qreal x = box.left() + box.width() * i / count;
            const qreal y = box.bottom() - box.height() * (i + 1) / count;
            steps << QPointF(x, y) << QPointF(x + box.width() / count, y);
        }
        steps << box.bottomRight();
        p.setBrush(QColor(0xb0, 0x74, 0x3c));
        p.drawPolygon(steps);
    });
    return {
        QStringLiteral("Maison"),
        QStringLiteral("La maison"),
        {},
        houseBackdrop,
        {chimney, roofItem, window, door, garden,
         room(7, QRect(400, 160, 160, 155), QColor(0xcf, 0xe4, 0xff), QStringLiteral("🛏️")),
         room(6, QRect(560, 160, 140, 155), QColor(0xd4, 0xf4, 0xf0), QStringLiteral("🛁")),
         room(8, QRect(400, 315, 160, 155), QColor(0xff, 0xe8, 0xc8), QStringLiteral("🛋️")),
         room(5, QRect(560, 315, 140, 155), QColor(0xff, 0xf6, 0xc0), QStringLiteral("🍳")), stairs},
        {}};
}

Scene furniture() {
    return {QStringLiteral("Meuble"),
            QStringLiteral("Les meubles"),
            {},
            Drawings::room(QColor(0xe2, 0xf2, 0xe6), QColor(0xd2, 0xa0, 0x6a), 400),
            {boxed(5, QRectF(30, 150, 130, 250), Drawings::wardrobe()),
             boxed(6, QRectF(180, 170, 120, 230), Drawings::bookcase()),
             boxed(8, QRectF(330, 90, 100, 140), Drawings::emoji(QStringLiteral("🪞"))),
             boxed(7, QRectF(455, 235, 180, 165), Drawings::desk()),
             boxed(9, QRectF(655, 265, 125, 135), Drawings::chestOfDrawers()),
             boxed(2, QRectF(20, 415, 175, 130), Drawings::emoji(QStringLiteral("🛏️"))),
             boxed(1, QRectF(210, 420, 100, 125), Drawings::emoji(QStringLiteral("🪑"))),
             boxed(0, QRectF(325, 425, 165, 120), Drawings::table()),
             boxed(3, QRectF(505, 415, 160, 130), Drawings::emoji(QStringLiteral("🛋️"))),
             boxed(4, QRectF(680, 420, 110, 125), Drawings::armchair())},
            {}};
}

void familyTree(QPainter& p, const QSize& size) {
    Drawings::plain(QColor(0xf4, 0xfb, 0xe8), QColor(0xdc, 0xf0, 0xc8))(p, size);
    p.setPen(QPen(QColor(0x6a, 0x8a, 0x4a), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(380, 125, 420, 125);
    p.drawLine(400, 125, 400, 200);
    p.drawLine(170, 200, 520, 200);
    p.drawLine(170, 200, 170, 230);
    p.drawLine(520, 200, 520, 230);
    p.drawLine(210, 275, 260, 275);
    p.drawLine(235, 275, 235, 370);
    p.drawLine(560, 275, 610, 275);
    p.drawLine(585, 275, 585, 398);
    p.drawLine(90, 370, 450, 370);
    for (int x : {90, 210, 330, 450})
        p.drawLine(x, 370, x, 398);
    const QRectF me = square(QPointF(90, 440), 80);
    Emoji::draw(p, me, QStringLiteral("🙋"));
    Drawings::caption(p, me, QStringLiteral("moi"));
}

Scene family() {
    struct Member {
        int index;
        const char* glyph;
        QPointF at;
        const char* caption;
    };
    const Member members[] = {
        {0, "👴", {340, 125}, "grand-père"}, {1, "👵", {460, 125}, "grand-mère"},
        {2, "👨", {170, 275}, "père"},       {3, "👩", {300, 275}, "mère"},
        {4, "🧔", {520, 275}, "oncle"},   {5, "👩‍🦰", {650, 275}, "tante"},
        {6, "👦", {210, 440}, "frère"},      {7, "👧", {330, 440}, "sœur"},
        {8, "👶", {450, 440}, "bébé"},       {9, "🧒", {585, 440}, "cousin"}};
    std::vector<SceneItem> items;
    for (const Member& m : members) {
        SceneItem item = Scenes::emoji(m.index, QString::fromUtf8(m.glyph), m.at, 80);
        item.caption = QString::fromUtf8(m.caption);
        items.push_back(item);
    }
    return {QStringLiteral("Famille"), QStringLiteral("La famille"), {}, familyTree, items, {}};
}

void classroom(QPainter& p, const QSize& size) {
    Drawings::room(QColor(0xfd, 0xf3, 0xdc), QColor(0xc9, 0x8f, 0x5a), 380)(p, size);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x20), 3));
    p.setBrush(QColor(0xb0, 0x74, 0x3c));
    p.drawRect(20, 330, 760, 22);
    p.drawRect(40, 352, 20, 50);
    p.drawRect(740, 352, 20, 50);
}

Scene school() {
    std::vector<SceneItem> items = emojiRows({{0, QStringLiteral("📕")},
                                              {1, QStringLiteral("✏️")},
                                              {2, QStringLiteral("🖊️")},
                                              {3, QStringLiteral("📏")},
                                              {8, QStringLiteral("💻")},
                                              {4, QStringLiteral("✂️")},
                                              {5, QStringLiteral("🎒")},
                                              {6, QStringLiteral("🖋️")},
                                              {7, QStringLiteral("🖍️")}},
                                             {{5, 280}, {4, 470}}, 88);
    items.push_back(boxed(9, QRectF(250, 62, 300, 130), Drawings::blackboard()));
    return {QStringLiteral("Ecole"), QStringLiteral("L'école"), {}, classroom, items, {}};
}

Scene clocks() {
    const std::vector<QPointF> at = SceneLayout::rows(FiveFive);
    const int times[10][2] = {{1, 0},  {2, 30}, {3, 15},  {4, 45},  {6, 0},
                              {7, 30}, {9, 0},  {10, 15}, {11, 30}, {12, 0}};
    std::vector<SceneItem> items;
    for (int i = 0; i < 10; ++i)
        items.push_back(
            Scenes::painted(i, square(at[i], 134), Drawings::clock(times[i][0], times[i][1])));
    return {QStringLiteral("Heure"),
            QStringLiteral("L'heure"),
            {},
            Drawings::plain(QColor(0xe0, 0xf0, 0xff), QColor(0xc0, 0xdc, 0xf8)),
            items,
            {}};
}

Scene body() {
    return {QStringLiteral("Corps"),
            QStringLiteral("Le corps humain"),
            {},
            Drawings::plain(QColor(0xff, 0xef, 0xf2), QColor(0xf8, 0xd8, 0xe4)),
            emojiRows({{0, QStringLiteral("👁️")},
                       {1, QStringLiteral("👂")},
                       {2, QStringLiteral("👃")},
                       {3, QStringLiteral("👄")},
                       {4, QStringLiteral("🦷")},
                       {5, QStringLiteral("✋")},
                       {6, QStringLiteral("☝️")},
                       {7, QStringLiteral("💪")},
                       {8, QStringLiteral("🦵")},
                       {9, QStringLiteral("🦶")}},
                      FourThreeThree, 104),
            {}};
}

} // namespace

namespace Scenes {
std::vector<Scene> themes() {
    return {activities(), sports(),    music(),  jobs(),   food(),   drinks(),
            house(),      furniture(), family(), school(), clocks(), body()};
}
} // namespace Scenes

// Menus and backgrounds: the start picture, the generic window background, the six family
// backgrounds, the exercise lists of the chooser (with highlight pictures and hotspot files)
// and the backgrounds of the dictation and nursery-rhyme windows.
#include "ContentCache.h"
#include "Drawings.h"
#include "Emoji.h"
#include "Hotspots.h"
#include "PictureSteps.h"
#include "SceneRender.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

constexpr QSize WindowSize(1024, 768);
constexpr QSize ListSize(720, 500);

struct ListEntry {
    int index; // hotspot index = row of the exercise table
    QString title;
    QString glyph;
};

struct Family {
    QString background; // Brin*.Jpg
    QString list;       // list picture and hotspot file stem
    QString title;      // "Ecoute et ..."
    QColor colour;
    QString glyph;
    std::vector<ListEntry> entries;
};

std::vector<ListEntry> numbered(const QString& stem, const QString& glyph) {
    std::vector<ListEntry> entries;
    for (int i = 0; i < 10; ++i)
        entries.push_back({i, stem + u' ' + QString::number(i + 1), glyph});
    return entries;
}

std::vector<Family> families() {
    return {
        {QStringLiteral("Brinobse"),
         QStringLiteral("observe"),
         QStringLiteral("Ecoute et observe"),
         QColor(0x3a, 0x8a, 0xe0),
         QStringLiteral("👀"),
         {{0, QStringLiteral("Mes activités"), QStringLiteral("🏃")},
          {1, QStringLiteral("Le sport"), QStringLiteral("⚽")},
          {2, QStringLiteral("La musique"), QStringLiteral("🎸")},
          {3, QStringLiteral("Les métiers"), QStringLiteral("🧑‍🚒")},
          {4, QStringLiteral("L'alimentation"), QStringLiteral("🍎")},
          {5, QStringLiteral("Les boissons"), QStringLiteral("🥛")},
          {6, QStringLiteral("La maison"), QStringLiteral("🏠")},
          {7, QStringLiteral("Les meubles"), QStringLiteral("🛋️")},
          {8, QStringLiteral("La famille"), QStringLiteral("👨‍👩‍👧")},
          {9, QStringLiteral("L'école"), QStringLiteral("🎒")},
          {11, QStringLiteral("Le corps humain"), QStringLiteral("✋")},
          {12, QStringLiteral("L'heure"), QStringLiteral("🕒")}}},
        {QStringLiteral("Brincomp"),
         QStringLiteral("comprend"),
         QStringLiteral("Ecoute et comprends"),
         QColor(0x3a, 0xa8, 0x5a),
         QStringLiteral("💡"),
         {{0, QStringLiteral("Le calendrier"), QStringLiteral("📅")},
          {1, QStringLiteral("L'Europe"), QStringLiteral("🇪🇺")},
          {2, QStringLiteral("Les couleurs"), QStringLiteral("🎨")},
          {3, QStringLiteral("Les nombres"), QStringLiteral("🔢")},
          {4, QStringLiteral("Opposition 1"), QStringLiteral("☀️")},
          {5, QStringLiteral("Opposition 2"), QStringLiteral("🌙")}}},
        {QStringLiteral("Brinrepe"), QStringLiteral("repere"), QStringLiteral("Ecoute et repère"),
         QColor(0xe0, 0x8a, 0x2a), QStringLiteral("🔍"),
         numbered(QStringLiteral("Repère"), QStringLiteral("🧩"))},
        {QStringLiteral("Brindist"), QStringLiteral("distingue"),
         QStringLiteral("Ecoute et distingue"), QColor(0x8a, 0x5a, 0xc8), QStringLiteral("✂️"),
         numbered(QStringLiteral("Distingue"), QStringLiteral("💬"))},
        {QStringLiteral("Brinecris"), QStringLiteral("Ecris"), QStringLiteral("Ecoute et écris"),
         QColor(0xd0, 0x44, 0x5a), QStringLiteral("✏️"),
         numbered(QStringLiteral("Ecris"), QStringLiteral("📝"))},
        {QStringLiteral("Brincompt"), QStringLiteral("Comptine"),
         QStringLiteral("Ecoute et ordonne"), QColor(0x2a, 0xa8, 0xb0), QStringLiteral("🎵"),
         numbered(QStringLiteral("Comptine"), QStringLiteral("🎶"))},
    };
}

// Cards of a list: up to four a row for the themes, five a row for the numbered lists.
std::vector<QRect> cardRects(std::size_t count) {
    const int columns = count == 6 ? 3 : count == 12 ? 4 : 5;
    const int rows = int((count + columns - 1) / columns);
    const int top = 78, gap = 14;
    const int width = (ListSize.width() - 20 - gap * (columns - 1)) / columns;
    const int height = std::min(150, (ListSize.height() - top - 12 - gap * (rows - 1)) / rows);
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < count; ++i) {
        const int row = int(i) / columns, column = int(i) % columns;
        rects.emplace_back(10 + column * (width + gap), top + row * (height + gap), width, height);
    }
    return rects;
}

QImage listPicture(const Family& family) {
    QImage image(ListSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Drawings::plain(family.colour.lighter(185), family.colour.lighter(150))(p, ListSize);
    p.setFont(Drawings::font(28, true));
    p.setPen(family.colour.darker(160));
    p.drawText(QRect(0, 10, ListSize.width(), 56), Qt::AlignCenter, family.title);
    const std::vector<QRect> rects = cardRects(family.entries.size());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QRect& r = rects[i];
        const ListEntry& entry = family.entries[i];
        p.setPen(QPen(family.colour.darker(130), 3));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 14, 14);
        Emoji::draw(p, QRectF(r.left() + 10, r.top() + 10, r.width() - 20, r.height() * 0.55),
                    entry.glyph);
        QFont font = Drawings::font(17, true);
        while (font.pixelSize() > 10 &&
               QFontMetrics(font).horizontalAdvance(entry.title) > r.width() - 12)
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        p.setPen(QColor(0x20, 0x20, 0x40));
        p.drawText(
            QRect(r.left(), r.top() + int(r.height() * 0.66), r.width(), int(r.height() * 0.3)),
            Qt::AlignCenter, entry.title);
    }
    return image;
}

std::vector<HotShape> listShapes(const Family& family) {
    std::vector<HotShape> shapes;
    for (const QRect& r : cardRects(family.entries.size()))
        shapes.push_back(HotShape::rectangle(r));
    return shapes;
}

// A window background: gradient, a soft pattern of dots and, when given, a title with an
// emoji in the lower right corner (the part that windows leave uncovered).
QImage background(const QColor& top, const QColor& bottom, const QString& title,
                  const QString& glyph) {
    QImage image(WindowSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Drawings::plain(top, bottom)(p, WindowSize);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int y = 24; y < WindowSize.height(); y += 48)
        for (int x = (y / 48) % 2 ? 24 : 48; x < WindowSize.width(); x += 48)
            p.drawEllipse(QPointF(x, y), 5, 5);
    if (!glyph.isEmpty())
        Emoji::draw(p, QRectF(800, 560, 180, 150), glyph);
    if (!title.isEmpty()) {
        p.setFont(Drawings::font(30, true));
        p.setPen(bottom.darker(220));
        p.drawText(QRect(520, 710, 480, 44), Qt::AlignRight | Qt::AlignVCenter, title);
    }
    return image;
}

QImage startPicture() {
    QImage image(WindowSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Drawings::outdoor(QColor(0x6c, 0xb8, 0xec), QColor(0x74, 0xc0, 0x50), 470)(p, WindowSize);
    p.setBrush(QColor(0xff, 0xd8, 0x3a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(900, 110), 56, 56);
    p.setFont(Drawings::font(84, true));
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.drawText(QRect(0, 170, WindowSize.width(), 120), Qt::AlignCenter, QStringLiteral("Brindel"));
    p.setFont(Drawings::font(28));
    p.drawText(QRect(0, 290, WindowSize.width(), 44), Qt::AlignCenter,
               QStringLiteral("J'apprends l'anglais en m'amusant"));
    const QString friends[] = {QStringLiteral("🧒"), QStringLiteral("🇬🇧"), QStringLiteral("🎧"),
                               QStringLiteral("📚"), QStringLiteral("👧")};
    for (int i = 0; i < 5; ++i)
        Emoji::draw(p, QRectF(190 + i * 140, 500, 110, 110), friends[i]);
    p.setFont(Drawings::font(24, true));
    p.setPen(QColor(0x20, 0x50, 0x20));
    p.drawText(QRect(0, 650, WindowSize.width(), 40), Qt::AlignCenter,
               QStringLiteral("Choisis une activité !"));
    return image;
}

// A notebook page: ruled lines, and a red margin for the dictation.
QImage notebook(const QColor& paper, bool margin, const QString& glyph) {
    QImage image = background(paper, paper.darker(106), {}, {});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x9c, 0xc0, 0xe8), 1));
    for (int y = 90; y < WindowSize.height(); y += 32)
        p.drawLine(0, y, WindowSize.width(), y);
    if (margin) {
        p.setPen(QPen(QColor(0xe0, 0x60, 0x60), 2));
        p.drawLine(60, 0, 60, WindowSize.height());
    }
    Emoji::draw(p, QRectF(850, 600, 140, 140), glyph);
    return image;
}

QImage rhymeBackground() {
    QImage image = background(QColor(0xf6, 0xee, 0xff), QColor(0xe4, 0xd8, 0xf8), {}, {});
    QPainter p(&image);
    const QString notes[] = {QStringLiteral("🎵"), QStringLiteral("🎶")};
    for (int i = 0; i < 12; ++i)
        Emoji::draw(p, QRectF(20 + i * 84, 712, 44, 44), notes[i % 2]);
    return image;
}

} // namespace

namespace PictureSteps {

bool menuPictures(const QString& programFolder, ContentCache& cache, QTextStream& err) {
    Q_UNUSED(programFolder);
    bool ok = true;
    auto picture = [&](const QString& name, const std::function<QImage()>& paint) {
        ok &= producePicture(cache, QStringLiteral("Bitmap/") + name, name, paint, err);
    };
    picture(QStringLiteral("Brin.Jpg"), startPicture);
    picture(QStringLiteral("fond.jpg"),
            [] { return background(QColor(0xee, 0xf6, 0xff), QColor(0xd8, 0xe8, 0xf8), {}, {}); });
    picture(QStringLiteral("dictee.jpg"),
            [] { return notebook(QColor(0xf2, 0xf8, 0xff), false, QStringLiteral("💬")); });
    picture(QStringLiteral("dictee1.jpg"),
            [] { return notebook(QColor(0xff, 0xfb, 0xe8), true, QStringLiteral("✏️")); });
    picture(QStringLiteral("Comptefd.jpg"), rhymeBackground);
    for (const Family& family : families()) {
        picture(family.background + QStringLiteral(".Jpg"), [&] {
            return background(family.colour.lighter(190), family.colour.lighter(140), family.title,
                              family.glyph);
        });
        picture(family.list + QStringLiteral(".Jpg"), [&] { return listPicture(family); });
        picture(QStringLiteral("H") + family.list + QStringLiteral(".Jpg"), [&] {
            QImage image = listPicture(family);
            SceneRender::lightenAndOutline(image, listShapes(family));
            return image;
        });
        std::vector<Hotspots::Entry> entries;
        const std::vector<HotShape> shapes = listShapes(family);
        for (std::size_t i = 0; i < shapes.size(); ++i)
            entries.push_back({family.entries[i].index, shapes[i]});
        ok &= produceFile(
            cache, QStringLiteral("Hotspot/") + family.list + QStringLiteral(".hsp"), family.list,
            [&] {
                return Hotspots::format(ListSize, entries,
                                        family.title + QStringLiteral(": one card per exercise"));
            },
            err);
    }
    return ok;
}

} // namespace PictureSteps

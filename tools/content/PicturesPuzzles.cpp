// The Repère puzzles (cut into 3 x 3 pieces by the dictation window) and the illustrations of
// the nursery-rhyme window.
#include "ContentCache.h"
#include "Drawings.h"
#include "Emoji.h"
#include "PictureSteps.h"

#include <QPainter>
#include <QTextStream>

namespace {

constexpr QSize PuzzleSize(360, 360);
constexpr QSize RhymeSize(320, 240);

struct Puzzle {
    QColor sky;
    QColor ground;
    QString main;
    QStringList around; // eight glyphs, clockwise from the top-left cell
};

std::vector<Puzzle> puzzles() {
    auto list = [](std::initializer_list<const char*> glyphs) {
        QStringList out;
        for (const char* g : glyphs)
            out << QString::fromUtf8(g);
        return out;
    };
    return {
        {QColor(0x8c, 0xd0, 0xf8), QColor(0x7c, 0xc2, 0x58), QStringLiteral("🐄"),
         list({"☀️", "🐦", "☁️", "🌳", "🚜", "🐖", "🐔", "🌻"})},
        {QColor(0x6c, 0xc4, 0xf0), QColor(0xf4, 0xd8, 0x90), QStringLiteral("🏖️"),
         list({"☀️", "🕊️", "⛵", "🌴", "🦀", "🐚", "🪣", "🏐"})},
        {QColor(0x10, 0x18, 0x48), QColor(0x30, 0x28, 0x60), QStringLiteral("🚀"),
         list({"⭐", "🌙", "🪐", "☄️", "👽", "🛸", "🌍", "✨"})},
        {QColor(0x9c, 0xd8, 0xb0), QColor(0x4c, 0x8c, 0x3c), QStringLiteral("🦊"),
         list({"🌲", "🦉", "🌲", "🍄", "🦔", "🐿️", "🐇", "🌰"})},
        {QColor(0xa8, 0xd0, 0xf0), QColor(0x90, 0x90, 0x98), QStringLiteral("🚌"),
         list({"🏢", "✈️", "🏠", "🚦", "🚲", "🚓", "🚕", "🌳"})},
        {QColor(0x5c, 0xb4, 0xe8), QColor(0x1c, 0x64, 0xb0), QStringLiteral("🐳"),
         list({"⛅", "🕊️", "⛵", "🐙", "🐠", "🦈", "🐢", "🐡"})},
        {QColor(0xc8, 0xb8, 0xf0), QColor(0x6c, 0xa8, 0x4c), QStringLiteral("🏰"),
         list({"🌈", "🐉", "⭐", "🌳", "🐴", "👑", "🤴", "👸"})},
        {QColor(0xd8, 0xe8, 0xf8), QColor(0xf8, 0xfc, 0xff), QStringLiteral("⛄"),
         list({"❄️", "☁️", "❄️", "🌲", "🛷", "🐧", "🧤", "⛸️"})},
        {QColor(0xb0, 0xe8, 0x9c), QColor(0x3c, 0x9c, 0x3c), QStringLiteral("🐘"),
         list({"🌴", "🦜", "🐒", "🌺", "🐍", "🐯", "🦓", "🦒"})},
        {QColor(0xff, 0xe0, 0xc8), QColor(0xe8, 0x70, 0x70), QStringLiteral("🎪"),
         list({"🎈", "🤹", "🎈", "🦁", "🤡", "🐘", "🎠", "🍿"})},
    };
}

// Each piece holds one small picture, the big one sits in the middle over four pieces' edges,
// and the sky and ground run across the rows: every piece has one right place.
QImage puzzle(const Puzzle& puzzle, int number) {
    QImage image(PuzzleSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, PuzzleSize.height());
    g.setColorAt(0, puzzle.sky.darker(110));
    g.setColorAt(0.55, puzzle.sky.lighter(115));
    g.setColorAt(0.56, puzzle.ground);
    g.setColorAt(1, puzzle.ground.darker(120));
    p.fillRect(image.rect(), g);
    const int cell = PuzzleSize.width() / 3;
    const QPoint cells[8] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}};
    for (int i = 0; i < 8; ++i)
        Emoji::draw(
            p, QRectF(cells[i].x() * cell + 14, cells[i].y() * cell + 14, cell - 28, cell - 28),
            puzzle.around[i]);
    Emoji::draw(p, QRectF(cell - 30, cell - 30, cell + 60, cell + 60), puzzle.main);
    p.setPen(QPen(QColor(255, 255, 255, 200), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(image.rect().adjusted(3, 3, -3, -3));
    p.setFont(Drawings::font(16, true));
    p.setPen(Qt::white);
    p.drawText(QRect(PuzzleSize.width() - 44, PuzzleSize.height() - 30, 36, 24),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
    return image;
}

QImage rhymeIllustration(int rhyme) {
    const QColor tints[5] = {QColor(0xff, 0xe8, 0xf0), QColor(0xe8, 0xf4, 0xff),
                             QColor(0xf0, 0xff, 0xe4), QColor(0xff, 0xf6, 0xd8),
                             QColor(0xf0, 0xe8, 0xff)};
    const QString singers[] = {QStringLiteral("👧"), QStringLiteral("🧒"), QStringLiteral("👦"),
                               QStringLiteral("👶"), QStringLiteral("🧑")};
    QImage image(RhymeSize, QImage::Format_RGB32);
    image.fill(tints[rhyme % 5]);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tints[rhyme % 5].darker(140), 6));
    p.drawRoundedRect(image.rect().adjusted(4, 4, -4, -4), 18, 18);
    p.setFont(Drawings::font(24, true));
    p.setPen(tints[rhyme % 5].darker(300));
    p.drawText(QRect(0, 14, RhymeSize.width(), 36), Qt::AlignCenter,
               QStringLiteral("Comptine %1").arg(rhyme + 1));
    Emoji::draw(p, QRectF(40, 80, 110, 120), singers[rhyme % 5]);
    Emoji::draw(p, QRectF(170, 80, 110, 120), singers[(rhyme + 2) % 5]);
    Emoji::draw(p, QRectF(130, 60, 60, 60), rhyme % 2 ? QStringLiteral("🎶") : QStringLiteral("🎵"));
    Emoji::draw(p, QRectF(20, 190, 40, 40), QStringLiteral("🎵"));
    Emoji::draw(p, QRectF(260, 190, 40, 40), QStringLiteral("🎶"));
    return image;
}

} // namespace

namespace PictureSteps {

bool puzzlePictures(const QString& programFolder, ContentCache& cache, QTextStream& err) {
    Q_UNUSED(programFolder);
    bool ok = true;
    const std::vector<Puzzle> list = puzzles();
    for (int i = 0; i < int(list.size()); ++i) {
        // The dictation window opens "puzz" + "1" + the exercise number (19..28) + ".Bmp".
        const QString name = QStringLiteral("puzz1%1.Bmp").arg(19 + i);
        ok &= producePicture(
            cache, QStringLiteral("Bitmap/") + name, name, [&] { return puzzle(list[i], i + 1); },
            err);
    }
    for (int i = 0; i < 10; ++i) {
        // The rhyme window opens "compt" + "1" + the exercise number (49..58) + ".Bmp".
        const QString name = QStringLiteral("compt1%1.Bmp").arg(49 + i);
        ok &= producePicture(
            cache, QStringLiteral("Bitmap/") + name, name, [&] { return rhymeIllustration(i); },
            err);
    }
    return ok;
}

} // namespace PictureSteps

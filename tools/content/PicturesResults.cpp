// The results report background (captions and chart frame under the bars the report draws),
// the reward pictures and the diploma. Positions come from the report's bar positions in
// twips, at 15 twips a pixel.
#include "ContentCache.h"
#include "Drawings.h"
#include "Emoji.h"
#include "PictureSteps.h"

#include <QPainter>
#include <QTextStream>

namespace {

constexpr QSize ReportSize(640, 480);
constexpr int TwipsPerPixel = 15;
constexpr int FullBar = 135 / TwipsPerPixel + 1; // 10 points are 135 twips wide
const QColor Cream(0xff, 0xf8, 0xe6);
const QColor Ink(0x1d, 0x3c, 0x8c);

struct BarGroup {
    QString heading;
    int left;              // twips
    std::vector<int> tops; // twips
    QStringList captions;
};

QStringList numberedCaptions(const QString& stem) {
    QStringList captions;
    for (int i = 1; i <= 10; ++i)
        captions << stem + u' ' + QString::number(i);
    return captions;
}

std::vector<BarGroup> barGroups() {
    return {
        {QStringLiteral("Ecoute et observe"),
         2160,
         {1110, 1335, 1545, 1755, 1980, 2205, 2430, 2655, 2880, 3090, 3300, 3510},
         {QStringLiteral("Mes activités"), QStringLiteral("Le sport"), QStringLiteral("La musique"),
          QStringLiteral("Les métiers"), QStringLiteral("L'alimentation"),
          QStringLiteral("Les boissons"), QStringLiteral("La maison"),
          QStringLiteral("Les meubles"), QStringLiteral("La famille"), QStringLiteral("L'école"),
          QStringLiteral("L'heure"), QStringLiteral("Le corps humain")}},
        {QStringLiteral("Ecoute et comprends"),
         6420,
         {1140, 1365, 1575, 1800, 2025, 2235},
         {QStringLiteral("L'Europe"), QStringLiteral("Le calendrier"),
          QStringLiteral("Les couleurs"), QStringLiteral("Les nombres"),
          QStringLiteral("Opposition 1"), QStringLiteral("Opposition 2")}},
        {QString(), 6420, {2895}, {QStringLiteral("Quizz")}},
        {QStringLiteral("Ecoute et repère"),
         1200,
         {4500, 4740, 4950, 5160, 5385, 5610, 5820, 6045, 6270, 6480},
         numberedCaptions(QStringLiteral("Repère"))},
        {QStringLiteral("Ecoute et écris"),
         4140,
         {4500, 4725, 4950, 5175, 5400, 5610, 5835, 6045, 6255, 6480},
         numberedCaptions(QStringLiteral("Ecris"))},
        {QStringLiteral("Ecoute et distingue"),
         6975,
         {4515, 4740, 4965, 5175, 5385, 5610, 5835, 6060, 6285, 6510},
         numberedCaptions(QStringLiteral("Distingue"))},
    };
}

void barSlot(QPainter& p, int left, int top) {
    p.setPen(QPen(QColor(0x90, 0x90, 0xa8), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRect(left - 2, top - 1, FullBar + 3, 225 / TwipsPerPixel + 1));
}

void drawGroup(QPainter& p, const BarGroup& group) {
    const int left = group.left / TwipsPerPixel;
    for (std::size_t i = 0; i < group.tops.size(); ++i) {
        const int top = group.tops[i] / TwipsPerPixel;
        barSlot(p, left, top);
        p.setPen(QColor(0x20, 0x20, 0x30));
        p.setFont(Drawings::font(11));
        p.drawText(QRect(left - 150, top - 1, 145, 16), Qt::AlignRight | Qt::AlignVCenter,
                   group.captions[int(i)]);
    }
    if (group.heading.isEmpty())
        return;
    p.setFont(Drawings::font(13, true));
    p.setPen(Ink);
    const int top = group.tops.front() / TwipsPerPixel - 22;
    p.drawText(QRect(std::max(4, left - 140), top, 180, 18), Qt::AlignLeft | Qt::AlignVCenter,
               group.heading);
}

void drawRhymeRow(QPainter& p) {
    const int top = 3510 / TwipsPerPixel;
    p.setFont(Drawings::font(9));
    for (int i = 0; i < 10; ++i) {
        const int left = (6435 + 200 * i) / TwipsPerPixel;
        p.setPen(QPen(QColor(0x90, 0x90, 0xa8), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRect(left - 1, top - 1, 12, 16));
        p.setPen(QColor(0x20, 0x20, 0x30));
        p.drawText(QRect(left - 3, top - 14, 16, 12), Qt::AlignCenter, QString::number(i + 1));
    }
    p.setFont(Drawings::font(13, true));
    p.setPen(Ink);
    p.drawText(QRect(6420 / TwipsPerPixel - 160, top - 1, 155, 16),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Comptines"));
}

void drawLegend(QPainter& p) {
    const QRect box(500, 300, 130, 88);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(box, 8, 8);
    const std::pair<QColor, QString> rows[] = {
        {QColor(0, 192, 0), QStringLiteral("8 à 10 : bravo !")},
        {QColor(255, 128, 0), QStringLiteral("6 ou 7 : bien")},
        {QColor(255, 0, 0), QStringLiteral("0 à 5 : à revoir")}};
    p.setFont(Drawings::font(11));
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(rows[i].first);
        p.drawRect(box.left() + 10, box.top() + 12 + i * 24, 14, 14);
        p.setPen(QColor(0x20, 0x20, 0x30));
        p.drawText(QRect(box.left() + 30, box.top() + 10 + i * 24, 96, 18), Qt::AlignVCenter,
                   rows[i].second);
    }
}

QImage reportBackground() {
    QImage image(ReportSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Drawings::plain(QColor(0xf4, 0xf8, 0xff), QColor(0xe2, 0xec, 0xfa))(p, ReportSize);
    p.setFont(Drawings::font(12, true));
    p.setPen(Ink);
    p.drawText(QRect(8, 17, 58, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Nom :"));
    p.drawText(QRect(240, 17, 82, 18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Groupe :"));
    p.setPen(QPen(Ink, 2));
    p.drawLine(8, 44, 632, 44);
    p.drawLine(8, 262, 632, 262);
    for (const BarGroup& group : barGroups())
        drawGroup(p, group);
    drawRhymeRow(p);
    drawLegend(p);
    p.setFont(Drawings::font(20, true));
    p.setPen(Ink);
    p.drawText(QRect(490, 410, 140, 60), Qt::AlignCenter, QStringLiteral("Mon bilan"));
    return image;
}

QImage rewardBackground() {
    QImage image(ReportSize, QImage::Format_RGB32);
    image.fill(Cream);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 640, 52), QColor(0xff, 0xe0, 0x9a));
    p.setFont(Drawings::font(12, true));
    p.setPen(QColor(0x80, 0x50, 0x10));
    const std::pair<int, QString> rows[] = {{58, QStringLiteral("Trophées : les centaines")},
                                            {208, QStringLiteral("Coupes : les dizaines")},
                                            {355, QStringLiteral("Médailles : les unités")}};
    for (const auto& [top, text] : rows)
        p.drawText(QRect(12, top, 400, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    const QString confetti[] = {QStringLiteral("🎉"), QStringLiteral("⭐"), QStringLiteral("🎈")};
    for (int i = 0; i < 6; ++i)
        Emoji::draw(p, QRectF(30 + i * 105, 448, 28, 28), confetti[i % 3]);
    return image;
}

QImage award(QSize size, const QString& glyph, const QString& label, const QColor& tint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Cream);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int labelHeight = size.height() / 5;
    Emoji::draw(p, QRectF(2, 2, size.width() - 4, size.height() - labelHeight - 4), glyph);
    p.setFont(Drawings::font(labelHeight - 2, true));
    p.setPen(tint);
    p.drawText(QRect(0, size.height() - labelHeight - 2, size.width(), labelHeight),
               Qt::AlignCenter, label);
    return image;
}

// The cup of the tens: the trophy glyph in silver, to tell it from the gold trophy.
QImage silverCup() {
    QImage image =
        award(QSize(60, 80), QStringLiteral("🏆"), QStringLiteral("10"), QColor(0x60, 0x60, 0x70));
    for (int y = 0; y < image.height() - 16; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == Cream.rgb())
                continue;
            const int grey = std::min(255, qGray(line[x]) + 30);
            line[x] = qRgb(grey, grey, std::min(255, grey + 12));
        }
    }
    return image;
}

QImage diploma() {
    QImage image(ReportSize, QImage::Format_RGB32);
    image.fill(QColor(0xff, 0xfb, 0xee));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xc8, 0x9a, 0x2a), 8));
    p.drawRect(QRect(12, 12, 616, 456));
    p.setPen(QPen(QColor(0x1d, 0x3c, 0x8c), 2));
    p.drawRect(QRect(26, 26, 588, 428));
    p.setFont(Drawings::font(44, true));
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.drawText(QRect(0, 60, 640, 60), Qt::AlignCenter, QStringLiteral("Diplôme"));
    p.setFont(Drawings::font(18));
    p.drawText(QRect(0, 130, 640, 28), Qt::AlignCenter,
               QStringLiteral("d'anglais VALIMOR Brindel"));
    p.drawText(QRect(0, 200, 640, 28), Qt::AlignCenter, QStringLiteral("Ce diplôme est décerné à"));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DotLine));
    p.drawLine(220, 296, 560, 296); // the pupil's name is written above this line
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.setFont(Drawings::font(16));
    p.drawText(QRect(0, 320, 640, 50), Qt::AlignCenter,
               QStringLiteral("pour avoir réussi tous les exercices.\nFélicitations !"));
    Emoji::draw(p, QRectF(60, 330, 100, 110), QStringLiteral("🏅"));
    Emoji::draw(p, QRectF(480, 330, 100, 110), QStringLiteral("🏆"));
    Emoji::draw(p, QRectF(290, 385, 60, 60), QStringLiteral("🇬🇧"));
    return image;
}

} // namespace

namespace PictureSteps {

bool resultPictures(const QString& programFolder, ContentCache& cache, QTextStream& err) {
    Q_UNUSED(programFolder);
    bool ok = true;
    auto picture = [&](const QString& name, const std::function<QImage()>& paint) {
        ok &= producePicture(cache, QStringLiteral("Bitmap/") + name, name, paint, err);
    };
    picture(QStringLiteral("Bilan.Jpg"), reportBackground);
    picture(QStringLiteral("recompen.jpg"), rewardBackground);
    picture(QStringLiteral("trophee.jpg"), [] {
        return award(QSize(100, 130), QStringLiteral("🏆"), QStringLiteral("100"),
                     QColor(0xb0, 0x80, 0x10));
    });
    picture(QStringLiteral("Coupe.jpg"), silverCup);
    picture(QStringLiteral("medaille.jpg"), [] {
        return award(QSize(54, 70), QStringLiteral("🏅"), QStringLiteral("1"),
                     QColor(0xb0, 0x60, 0x20));
    });
    picture(QStringLiteral("diplome.jpg"), diploma);
    return ok;
}

} // namespace PictureSteps

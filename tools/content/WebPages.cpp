#include "WebPages.h"

#include "OutputFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <functional>

namespace WebPages {

namespace {

const QColor Ink(0x20, 0x30, 0x60);

// A canvas with the page's background colour and smooth drawing.
struct Canvas {
    explicit Canvas(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(QColor(0xff, 0xf8, 0xe0));
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Ink, 3));
    }
    QImage done() {
        painter.end();
        return image;
    }
    QImage image;
    QPainter painter;
};

void eyes(QPainter& p, QPointF left, QPointF right) {
    p.setBrush(Ink);
    p.drawEllipse(left, 6, 8);
    p.drawEllipse(right, 6, 8);
}

QImage cat() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xf0, 0xa0, 0x40));
    p.drawPolygon(QPolygonF({{22, 50}, {30, 10}, {55, 35}}));
    p.drawPolygon(QPolygonF({{98, 50}, {90, 10}, {65, 35}}));
    p.drawEllipse(QPointF(60, 68), 44, 40);
    eyes(p, {44, 60}, {76, 60});
    p.setBrush(QColor(0xf0, 0x80, 0x90));
    p.drawPolygon(QPolygonF({{54, 76}, {66, 76}, {60, 84}}));
    for (int side : {-1, 1})
        for (int dy : {-4, 4})
            p.drawLine(QPointF(60 + side * 14, 82), QPointF(60 + side * 46, 82 + dy * 2));
    return c.done();
}

QImage dog() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xc8, 0x96, 0x64));
    p.drawEllipse(QPointF(60, 64), 40, 42);
    p.setBrush(QColor(0x80, 0x50, 0x30));
    p.drawEllipse(QPointF(22, 58), 14, 32);
    p.drawEllipse(QPointF(98, 58), 14, 32);
    eyes(p, {46, 56}, {74, 56});
    p.drawEllipse(QPointF(60, 78), 10, 7);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(46, 78, 28, 18), 200 * 16, 140 * 16);
    return c.done();
}

QImage fish() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xf0, 0x80, 0x20));
    p.drawPolygon(QPolygonF({{84, 60}, {114, 36}, {114, 84}}));
    p.drawEllipse(QPointF(52, 60), 44, 28);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(28, 54), 5, 5);
    p.setBrush(QColor(0x60, 0xb0, 0xf0));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(14 + i * 8, 24 - i * 8), 4 + i, 4 + i);
    return c.done();
}

QImage bird() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(QColor(0x40, 0x90, 0xe0));
    p.drawEllipse(QPointF(58, 66), 40, 34);
    p.setBrush(QColor(0x20, 0x60, 0xb0));
    p.drawEllipse(QPointF(52, 72), 22, 14);
    p.setBrush(QColor(0xf0, 0xc0, 0x20));
    p.drawPolygon(QPolygonF({{96, 58}, {114, 64}, {96, 70}}));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(82, 54), 5, 5);
    p.drawLine(QPointF(50, 100), QPointF(46, 114));
    p.drawLine(QPointF(66, 100), QPointF(70, 114));
    return c.done();
}

QImage colours() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    const QList<QColor> bands{QColor(0xe0, 0x20, 0x20), QColor(0xf0, 0x80, 0x20),
                              QColor(0xf0, 0xd0, 0x20), QColor(0x20, 0xa0, 0x40),
                              QColor(0x20, 0x50, 0xe0), QColor(0x80, 0x40, 0xc0)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < bands.size(); ++i) {
        p.setBrush(bands.at(i));
        const double r = 56 - i * 7;
        p.drawPie(QRectF(60 - r, 96 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    p.setBrush(QColor(0xff, 0xf8, 0xe0));
    p.drawPie(QRectF(60 - 14, 96 - 14, 28, 28), 0, 180 * 16);
    return c.done();
}

QImage numbers() {
    Canvas c(240, 240);
    QPainter& p = c.painter;
    // Ten rows: row n shows n dots, so that the picture counts from one to ten.
    p.setPen(Qt::NoPen);
    for (int n = 1; n <= 10; ++n) {
        p.setBrush(QColor::fromHsv((n * 36) % 360, 200, 230));
        for (int i = 0; i < n; ++i)
            p.drawEllipse(QPointF(20 + i * 22, 12 + (n - 1) * 23), 9, 9);
    }
    return c.done();
}

QImage flag() {
    Canvas c(240, 144);
    QPainter& p = c.painter;
    const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
    p.fillRect(QRect(0, 0, 240, 144), blue);
    p.setPen(QPen(Qt::white, 29));
    p.drawLine(0, 0, 240, 144);
    p.drawLine(0, 144, 240, 0);
    p.setPen(QPen(red, 10));
    p.drawLine(0, 0, 240, 144);
    p.drawLine(0, 144, 240, 0);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(96, 0, 48, 144), Qt::white);
    p.fillRect(QRect(0, 48, 240, 48), Qt::white);
    p.fillRect(QRect(106, 0, 28, 144), red);
    p.fillRect(QRect(0, 58, 240, 28), red);
    return c.done();
}

QImage bigBen() {
    Canvas c(120, 200);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xd8, 0xb8, 0x70));
    p.drawRect(QRectF(38, 70, 44, 126));
    p.drawPolygon(QPolygonF({{34, 70}, {60, 8}, {86, 70}}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(60, 96), 16, 16);
    p.drawLine(QPointF(60, 96), QPointF(60, 84));
    p.drawLine(QPointF(60, 96), QPointF(69, 96));
    for (int y = 124; y < 190; y += 16)
        p.drawLine(QPointF(50, y), QPointF(70, y));
    return c.done();
}

QImage bus() {
    Canvas c(200, 140);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawRoundedRect(QRectF(10, 14, 180, 100), 12, 12);
    p.setBrush(QColor(0xc0, 0xe0, 0xf8));
    for (int row : {24, 66})
        for (int x = 22; x < 170; x += 38)
            p.drawRect(QRectF(x, row, 28, 26));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(48, 116), 14, 14);
    p.drawEllipse(QPointF(152, 116), 14, 14);
    return c.done();
}

// A five-pointed star of the given outer radius, for the flags and the games page.
QPolygonF star(QPointF centre, double radius) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.4;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return points;
}

QImage usa() {
    Canvas c(240, 126);
    QPainter& p = c.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(0, i * 126.0 / 13, 240, 126.0 / 13 + 0.5),
                   i % 2 == 0 ? QColor(0xb2, 0x22, 0x34) : QColor(Qt::white));
    p.fillRect(QRectF(0, 0, 96, 68), QColor(0x3c, 0x3b, 0x6e));
    p.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 6; ++col)
            p.drawPolygon(star(QPointF(9 + col * 15.5 + (row % 2) * 7, 8 + row * 13), 4.5));
    return c.done();
}

QImage canada() {
    Canvas c(240, 120);
    QPainter& p = c.painter;
    const QColor red(0xd5, 0x2b, 0x1e);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, 240, 120), Qt::white);
    p.fillRect(QRect(0, 0, 60, 120), red);
    p.fillRect(QRect(180, 0, 60, 120), red);
    // A simple maple leaf: a star with a stem.
    p.setBrush(red);
    p.drawPolygon(star(QPointF(120, 56), 40));
    p.fillRect(QRectF(117, 70, 6, 36), red);
    return c.done();
}

QImage australia() {
    Canvas c(240, 120);
    QPainter& p = c.painter;
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, 240, 120), QColor(0x01, 0x21, 0x69));
    p.setPen(QPen(Qt::white, 10));
    p.drawLine(0, 0, 120, 60);
    p.drawLine(0, 60, 120, 0);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(50, 0, 20, 60), Qt::white);
    p.fillRect(QRect(0, 22, 120, 16), Qt::white);
    p.fillRect(QRect(55, 0, 10, 60), QColor(0xc8, 0x10, 0x2e));
    p.fillRect(QRect(0, 26, 120, 8), QColor(0xc8, 0x10, 0x2e));
    p.setBrush(Qt::white);
    p.drawPolygon(star(QPointF(60, 92), 18));
    for (const QPointF& at : {QPointF(180, 24), QPointF(156, 58), QPointF(206, 50),
                              QPointF(180, 100), QPointF(194, 72)})
        p.drawPolygon(star(at, at.y() == 72 ? 5 : 10));
    return c.done();
}

QImage ireland() {
    Canvas c(240, 120);
    QPainter& p = c.painter;
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, 80, 120), QColor(0x16, 0x9b, 0x62));
    p.fillRect(QRect(80, 0, 80, 120), Qt::white);
    p.fillRect(QRect(160, 0, 80, 120), QColor(0xff, 0x88, 0x3e));
    return c.done();
}

QImage notes() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(Ink);
    p.drawEllipse(QPointF(34, 92), 14, 10);
    p.drawEllipse(QPointF(86, 80), 14, 10);
    p.setPen(QPen(Ink, 5));
    p.drawLine(QPointF(46, 90), QPointF(46, 24));
    p.drawLine(QPointF(98, 78), QPointF(98, 12));
    p.setPen(QPen(Ink, 10));
    p.drawLine(QPointF(46, 26), QPointF(98, 14));
    return c.done();
}

QImage gameStar() {
    Canvas c(120, 120);
    QPainter& p = c.painter;
    p.setBrush(QColor(0xff, 0xd0, 0x30));
    p.drawPolygon(star(QPointF(60, 64), 52));
    eyes(p, {48, 60}, {72, 60});
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(46, 62, 28, 20), 200 * 16, 140 * 16);
    return c.done();
}

QImage banner() {
    Canvas c(480, 120);
    QPainter& p = c.painter;
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x4f, 0xa8, 0xe8));
    sky.setColorAt(1, QColor(0xc8, 0xe8, 0xff));
    p.fillRect(QRect(0, 0, 480, 120), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd8, 0x3a));
    p.drawEllipse(QPointF(452, 28), 18, 18);
    p.setBrush(QColor(0x6c, 0xc0, 0x4a));
    p.drawEllipse(QPointF(100, 150), 200, 60);
    p.drawEllipse(QPointF(380, 160), 200, 70);
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 30, QFont::Bold));
    p.drawText(QRect(0, 10, 480, 70), Qt::AlignCenter, QStringLiteral("Hello! Bonjour !"));
    return c.done();
}

const QList<std::pair<QString, std::function<QImage()>>>& painters() {
    static const QList<std::pair<QString, std::function<QImage()>>> list{
        {QStringLiteral("banner"), banner},
        {QStringLiteral("cat"), cat},
        {QStringLiteral("dog"), dog},
        {QStringLiteral("fish"), fish},
        {QStringLiteral("bird"), bird},
        {QStringLiteral("colours"), colours},
        {QStringLiteral("numbers"), numbers},
        {QStringLiteral("flag"), flag},
        {QStringLiteral("bigben"), bigBen},
        {QStringLiteral("bus"), bus},
        {QStringLiteral("usa"), usa},
        {QStringLiteral("canada"), canada},
        {QStringLiteral("australia"), australia},
        {QStringLiteral("ireland"), ireland},
        {QStringLiteral("notes"), notes},
        {QStringLiteral("star"), gameStar}};
    return list;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The first link of the page that does not name an existing file of the visit, if any.
QString brokenLink(const QString& pagePath, const QString& webFolder) {
    QFile file(pagePath);
    if (!file.open(QIODevice::ReadOnly))
        return pagePath;
    const QDir pageFolder = QFileInfo(pagePath).dir();
    const QString root = QDir(webFolder).canonicalPath();
    for (const QString& link : links(QString::fromUtf8(file.readAll()))) {
        const QString target = link.section(u'#', 0, 0);
        if (target.isEmpty())
            continue;
        const QString resolved = QFileInfo(pageFolder.filePath(target)).canonicalFilePath();
        if (target.contains(u':') || target.startsWith(u'/') || resolved.isEmpty() ||
            !resolved.startsWith(root + u'/'))
            return link;
    }
    return {};
}

} // namespace

const QStringList& pictureNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const auto& entry : painters())
            list << entry.first;
        return list;
    }();
    return names;
}

QImage picture(const QString& name) {
    for (const auto& entry : painters()) {
        if (entry.first == name)
            return entry.second();
    }
    return {};
}

QStringList links(const QString& html) {
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList targets;
    for (auto it = attribute.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        targets << match.captured(1) + match.captured(2) + match.captured(3);
    }
    return targets;
}

bool generate(const QString& contentFolder, const QString& programFolder, QString* error) {
    const QDir sources(contentFolder + QStringLiteral("/webdoc"));
    const QString web = programFolder + QStringLiteral("/webdoc");
    const QStringList pages = sources.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        QFile file(sources.filePath(page));
        if (!file.open(QIODevice::ReadOnly) ||
            !OutputFiles::writeIfChanged(web + u'/' + page, file.readAll(), error))
            return false;
    }
    for (const auto& entry : painters()) {
        const QString path =
            web + QStringLiteral("/images/") + entry.first + QStringLiteral(".png");
        if (!OutputFiles::writeIfChanged(path, png(entry.second()), error))
            return false;
    }
    for (const QString& page : pages) {
        const QString broken = brokenLink(web + u'/' + page, web);
        if (!broken.isEmpty()) {
            if (error)
                *error = QStringLiteral("webdoc/%1: link \"%2\" leads outside the visit or "
                                        "to a missing file")
                             .arg(page, broken);
            return false;
        }
    }
    return true;
}

} // namespace WebPages

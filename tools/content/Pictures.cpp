#include "Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace Pictures {

static bool save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, nullptr, 92);
}

bool writeSplash(const QString& path) {
    QImage image(480, 320, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(0x4f, 0xa8, 0xe8));
    sky.setColorAt(1, QColor(0xc8, 0xe8, 0xff));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(0x6c, 0xc0, 0x4a));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(120, 380), 260, 140);
    painter.drawEllipse(QPointF(400, 400), 240, 150);
    painter.setBrush(QColor(0xff, 0xd8, 0x3a));
    painter.drawEllipse(QPointF(410, 60), 36, 36);

    QFont title(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(0x1d, 0x3c, 0x8c));
    painter.drawText(QRect(0, 70, image.width(), 70), Qt::AlignCenter, QStringLiteral("Brindel"));
    QFont subtitle(QStringLiteral("DejaVu Sans"), 16);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 140, image.width(), 30), Qt::AlignCenter,
                     QStringLiteral("VALIMOR Brindel"));
    painter.drawText(QRect(0, 175, image.width(), 30), Qt::AlignCenter,
                     QStringLiteral("J'apprends l'anglais"));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    painter.setPen(QColor(0x20, 0x40, 0x20));
    painter.drawText(QRect(0, 280, image.width(), 24), Qt::AlignCenter,
                     QStringLiteral("Chargement…"));
    painter.end();
    return save(image, path);
}

} // namespace Pictures

#include "Hotspots.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Hotspots {

std::vector<Entry> ofScene(const Scene& scene, bool questionPhase) {
    std::vector<Entry> entries;
    for (const SceneItem& item : scene.items) {
        const std::vector<HotShape> shapes =
            questionPhase && !item.questionHotspot.empty() ? item.questionHotspot : item.shapes();
        for (const HotShape& shape : shapes)
            entries.push_back({item.index, shape});
    }
    return entries;
}

namespace {
QByteArray line(const Entry& entry) {
    const QRect& r = entry.shape.rect;
    QByteArray text = QByteArray::number(entry.index);
    switch (entry.shape.kind) {
    case HotShape::Kind::Rect:
    case HotShape::Kind::Ellipse:
        text += entry.shape.kind == HotShape::Kind::Rect ? " rect" : " ellipse";
        for (int value : {r.x(), r.y(), r.width(), r.height()})
            text += ' ' + QByteArray::number(value);
        break;
    case HotShape::Kind::Poly:
        text += " poly";
        for (const QPoint& point : entry.shape.polygon)
            text += ' ' + QByteArray::number(point.x()) + ' ' + QByteArray::number(point.y());
        break;
    }
    return text + '\n';
}
} // namespace

QByteArray format(const QSize& pictureSize, const std::vector<Entry>& entries,
                  const QString& comment) {
    QByteArray text = "# " + comment.toUtf8() + '\n';
    text += "size " + QByteArray::number(pictureSize.width()) + ' ' +
            QByteArray::number(pictureSize.height()) + '\n';
    for (const Entry& entry : entries)
        text += line(entry);
    return text;
}

bool write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace Hotspots

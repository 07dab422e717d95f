#include "SceneLayout.h"

#include "Drawings.h"

namespace SceneLayout {

std::vector<QPointF> rows(const std::vector<Row>& rowList, int margin) {
    std::vector<QPointF> centres;
    const qreal width = Scenes::PictureSize.width() - 2.0 * margin;
    for (const Row& row : rowList)
        for (int i = 0; i < row.count; ++i)
            centres.emplace_back(margin + width * (i + 0.5) / row.count, row.y);
    return centres;
}

std::vector<SceneItem> emojiRows(const std::vector<std::pair<int, QString>>& objects,
                                 const std::vector<Row>& rowList, qreal side) {
    const std::vector<QPointF> centres = rows(rowList);
    std::vector<SceneItem> items;
    for (std::size_t i = 0; i < objects.size() && i < centres.size(); ++i)
        items.push_back(Scenes::emoji(objects[i].first, objects[i].second, centres[i], side));
    return items;
}

QRectF square(QPointF centre, qreal side) {
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

} // namespace SceneLayout

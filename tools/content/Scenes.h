#pragma once

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// The picture exercises described once: where each object is drawn and which hotspot answers
// for it. The pictures, their highlight pictures and the hotspot files are all made from these
// descriptions, so an object and its hotspot cannot drift apart.

// One shape of a hotspot, in picture pixels.
struct HotShape {
    enum class Kind { Rect, Ellipse, Poly };
    Kind kind = Kind::Ellipse;
    QRect rect;
    QPolygon polygon;

    static HotShape rectangle(const QRect& r) { return {Kind::Rect, r, {}}; }
    static HotShape ellipse(const QRect& r) { return {Kind::Ellipse, r, {}}; }
    static HotShape poly(const QPolygon& p) { return {Kind::Poly, p.boundingRect(), p}; }
    bool contains(const QPoint& point) const;
};

using ObjectPainter = std::function<void(QPainter&, const QRectF&)>;

struct SceneItem {
    int index = 0;                         // hotspot index, the same as the word button's
    QRectF box;                            // where the object is drawn
    ObjectPainter draw;                    // paints the object into its box
    QString caption;                       // optional French caption under the object
    QColor patch;                          // optional coloured ground painted under the object
    std::vector<HotShape> hotspot;         // explicit shapes; empty: an ellipse around the box
    std::vector<HotShape> questionHotspot; // shapes used while questions are asked, if different

    // The shapes that answer for this object (explicit, or made from its box and caption).
    std::vector<HotShape> shapes() const;
};

struct Scene {
    QString colonne;  // score column, stem of the media file names
    QString title;    // French title painted at the top
    QString subtitle; // optional second line
    std::function<void(QPainter&, const QSize&)> backdrop;
    std::vector<SceneItem> items;
    QString questionHotspotFile; // e.g. "Opposh1" for the question phase of the opposites
};

namespace Scenes {
// Size of every exercise picture.
constexpr QSize PictureSize(800, 560);

// Every picture exercise (exercises 1 to 18), in exercise order.
const std::vector<Scene>& all();
std::vector<Scene> themes();    // the twelve themes of "Ecoute et observe"
std::vector<Scene> listes();    // calendar, Europe, colours, numbers
std::vector<Scene> opposites(); // the two opposition pictures

// An object drawn from a colour emoji, centred on centre in a square of the given side.
SceneItem emoji(int index, const QString& emoji, QPointF centre, qreal side);
// An object painted by hand.
SceneItem painted(int index, const QRectF& box, ObjectPainter draw);
} // namespace Scenes

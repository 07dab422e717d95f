#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The hotspots of a picture, read from a .hsp file: numbered shapes (rectangles, ellipses and
// polygons) in the picture's pixel coordinates. Plain C++ so that it can be fuzzed on its own.
class HotspotMap {
public:
    struct Point {
        int x = 0;
        int y = 0;
    };
    enum class Kind { Rect, Ellipse, Polygon };
    struct Shape {
        int index = 0;
        Kind kind = Kind::Rect;
        // Rect and Ellipse: top-left corner, then the corner one past the bottom-right.
        // Polygon: the vertices in order.
        std::vector<Point> points;
    };
    struct Size {
        int width = 0;
        int height = 0;
    };

    static constexpr int MaxIndex = 99;
    static constexpr int MaxCoordinate = 100000;
    static constexpr std::size_t MaxFileBytes = 1 << 20;
    static constexpr std::size_t MaxPolygonPoints = 4096;

    // Reads a whole file image. A file with any line that is not understood gives an empty map
    // and an error naming that line: a half-read map would number the picture wrongly.
    static HotspotMap parse(std::string_view text);

    bool empty() const { return shapes_.empty(); }
    const std::vector<Shape>& shapes() const { return shapes_; }
    // Picture size the coordinates refer to, when the file gives one.
    const std::optional<Size>& declaredSize() const { return size_; }
    const std::string& error() const { return error_; }

    // Index of the hotspot at (x, y) in file coordinates, the first line listed winning where
    // shapes overlap; -1 when the point is on no hotspot.
    int indexAt(double x, double y) const;
    // Whether a shape contains the point (x, y), in file coordinates.
    static bool contains(const Shape& shape, double x, double y);

private:
    std::vector<Shape> shapes_;
    std::optional<Size> size_;
    std::string error_;
};

#include "shell/controls/HotspotMap.h"

#include <charconv>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<int> toInt(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> toInts(const std::vector<std::string_view>& words, std::size_t from,
                                       int low) {
    std::vector<int> values;
    for (std::size_t i = from; i < words.size(); ++i) {
        const auto value = toInt(words[i], low, HotspotMap::MaxCoordinate);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<HotspotMap::Shape> boxShape(HotspotMap::Kind kind, const std::vector<int>& v) {
    if (v.size() != 4 || v[2] <= 0 || v[3] <= 0)
        return std::nullopt;
    return HotspotMap::Shape{0, kind, {{v[0], v[1]}, {v[0] + v[2], v[1] + v[3]}}};
}

std::optional<HotspotMap::Shape> polygonShape(const std::vector<int>& v) {
    if (v.size() < 6 || v.size() % 2 != 0 || v.size() / 2 > HotspotMap::MaxPolygonPoints)
        return std::nullopt;
    HotspotMap::Shape shape{0, HotspotMap::Kind::Polygon, {}};
    for (std::size_t i = 0; i < v.size(); i += 2)
        shape.points.push_back({v[i], v[i + 1]});
    return shape;
}

std::optional<HotspotMap::Shape> parseShape(const std::vector<std::string_view>& words) {
    if (words.size() < 2)
        return std::nullopt;
    const auto index = toInt(words[0], 0, HotspotMap::MaxIndex);
    const auto values = toInts(words, 2, -HotspotMap::MaxCoordinate);
    if (!index || !values)
        return std::nullopt;
    std::optional<HotspotMap::Shape> shape;
    if (words[1] == "rect")
        shape = boxShape(HotspotMap::Kind::Rect, *values);
    else if (words[1] == "ellipse")
        shape = boxShape(HotspotMap::Kind::Ellipse, *values);
    else if (words[1] == "poly")
        shape = polygonShape(*values);
    if (shape)
        shape->index = *index;
    return shape;
}

std::optional<HotspotMap::Size> parseSize(const std::vector<std::string_view>& words) {
    if (words.size() != 3)
        return std::nullopt;
    const auto width = toInt(words[1], 1, HotspotMap::MaxCoordinate);
    const auto height = toInt(words[2], 1, HotspotMap::MaxCoordinate);
    if (!width || !height)
        return std::nullopt;
    return HotspotMap::Size{*width, *height};
}

bool insidePolygon(const std::vector<HotspotMap::Point>& p, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const double yi = p[i].y, yj = p[j].y;
        if ((yi > y) != (yj > y)) {
            const double crossX = p[j].x + (y - yj) * (p[i].x - p[j].x) / (yi - yj);
            if (x < crossX)
                inside = !inside;
        }
    }
    return inside;
}
} // namespace

HotspotMap HotspotMap::parse(std::string_view text) {
    HotspotMap map;
    if (text.size() > MaxFileBytes) {
        map.error_ = "file too large";
        return map;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    bool firstLine = true;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const auto words = splitWords(line);
        if (words.empty() || words[0].front() == '#')
            continue;
        const bool sizeLine = words[0] == "size";
        std::optional<Shape> shape;
        std::optional<Size> size;
        if (sizeLine && firstLine)
            size = parseSize(words);
        else if (!sizeLine)
            shape = parseShape(words);
        firstLine = false;
        if (!shape && !size) {
            map = HotspotMap();
            map.error_ = "line " + std::to_string(lineNumber) + " not understood";
            return map;
        }
        if (size)
            map.size_ = size;
        else
            map.shapes_.push_back(std::move(*shape));
    }
    return map;
}

bool HotspotMap::contains(const Shape& shape, double x, double y) {
    const std::vector<Point>& p = shape.points;
    switch (shape.kind) {
    case Kind::Rect:
        return x >= p[0].x && x < p[1].x && y >= p[0].y && y < p[1].y;
    case Kind::Ellipse: {
        const double rx = (p[1].x - p[0].x) / 2.0, ry = (p[1].y - p[0].y) / 2.0;
        const double dx = (x - (p[0].x + rx)) / rx, dy = (y - (p[0].y + ry)) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
    case Kind::Polygon:
        return insidePolygon(p, x, y);
    }
    return false;
}

int HotspotMap::indexAt(double x, double y) const {
    for (const Shape& shape : shapes_)
        if (contains(shape, x, y))
            return shape.index;
    return -1;
}

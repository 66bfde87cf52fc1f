#include "pixel_map.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "palette.h"
#include "pixel_rows.h"

namespace tolvane {

namespace {

constexpr char kSeeThrough = ' ';
constexpr char kInk = '#';

constexpr std::pair<char, QRgb> kKey[] = {
    {'.', palette::White}, {'k', palette::Black},  {'m', palette::Maroon},  {'g', palette::Green},
    {'o', palette::Olive}, {'n', palette::Navy},   {'p', palette::Purple},  {'t', palette::Teal},
    {'s', palette::Silver}, {'d', palette::Grey},  {'r', palette::Red},     {'l', palette::Lime},
    {'y', palette::Yellow}, {'b', palette::Blue},  {'f', palette::Fuchsia}, {'a', palette::Aqua}};

std::string Describe(QPoint point) {
    return "(" + std::to_string(point.x()) + ", " + std::to_string(point.y()) + ")";
}

}  // namespace

QRgb PixelMapColour(char key) {
    for (const auto& [character, colour] : kKey)
        if (character == key)
            return colour;
    throw std::out_of_range("pixel map character '" + std::string(1, key) + "' names no palette colour");
}

QSize PixelMapSize(PixelMap rows) {
    const std::size_t width = rows.empty() ? 0 : rows.front().size();
    for (std::size_t y = 0; y < rows.size(); ++y)
        if (rows[y].size() != width)
            throw std::out_of_range("pixel map row " + std::to_string(y) + " is " +
                                    std::to_string(rows[y].size()) + " wide, not " +
                                    std::to_string(width));
    return QSize(static_cast<int>(width), static_cast<int>(rows.size()));
}

QImage PixelMapImage(PixelMap rows) {
    QImage image(PixelMapSize(rows), QImage::Format_RGB32);
    image.fill(palette::White);
    PaintPixelMap(image, QPoint(0, 0), rows);
    return image;
}

void PaintPixelMap(QImage& image, QPoint origin, PixelMap rows, std::optional<QRgb> ink) {
    const auto pixels = WritableRows(image);
    const QRect area(origin, PixelMapSize(rows));
    if (area.isEmpty())
        return;
    if (!image.rect().contains(area))
        throw std::out_of_range("pixel map at " + Describe(origin) + " does not fit the picture");
    const auto colourOf = [ink](char key) {
        if (key != kInk)
            return PixelMapColour(key);
        if (!ink)
            throw std::out_of_range("pixel map character '#' is painted with no ink");
        return *ink;
    };
    for (int y = 0; y < area.height(); ++y) {
        QRgb* row = pixels[origin.y() + y] + origin.x();
        for (int x = 0; x < area.width(); ++x)
            if (const char key = rows[y][x]; key != kSeeThrough)
                row[x] = colourOf(key);
    }
}

}  // namespace tolvane

#pragma once

#include <QImage>

#include <set>

#include "raster/palette.h"

// Colour tallies over every pixel of a picture, for the picture tests.

// The sixteen colours every 4-bit picture draws from.
inline const std::set<QRgb> kPaletteColours{
    tolvane::palette::Black,  tolvane::palette::Maroon, tolvane::palette::Green, tolvane::palette::Olive,
    tolvane::palette::Navy,   tolvane::palette::Purple, tolvane::palette::Teal,  tolvane::palette::Silver,
    tolvane::palette::Grey,   tolvane::palette::Red,    tolvane::palette::Lime,  tolvane::palette::Yellow,
    tolvane::palette::Blue,   tolvane::palette::Fuchsia, tolvane::palette::Aqua, tolvane::palette::White};

inline int CountOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

inline std::set<QRgb> ColoursOf(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

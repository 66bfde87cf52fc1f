#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>
#include <span>
#include <string_view>

// The raster layer: the kit every picture is drawn with, below faces, backs,
// extras and the icon. It knows pixels and the palette, never a card.
namespace tolvane {

// A small picture written as rows of characters, one character a pixel, each
// character always meaning the same. The letters are the 16-colour palette:
//   . White   k Black   m Maroon  g Green   o Olive   n Navy    p Purple  t Teal
//   s Silver  d Grey    r Red     l Lime    y Yellow  b Blue    f Fuchsia a Aqua
// '#' is the ink the map is painted with, for a shape shown in several
// colours (a rank glyph in black or red). A space is see-through: it leaves
// the pixel beneath as it was, which lets a short map patch a variant onto a
// bigger one.
using PixelMap = std::span<const std::string_view>;

// The palette colour `key` stands for; throws std::out_of_range naming any
// other character (a space included, as it has no colour of its own).
QRgb PixelMapColour(char key);

// Width of the rows by their number. Throws std::out_of_range naming the first
// row whose length differs from the first row's.
QSize PixelMapSize(PixelMap rows);

// The map as a picture of its own, see-through pixels left white.
QImage PixelMapImage(PixelMap rows);

// Paints `rows` onto `image` with the map's top-left pixel at `origin`, '#'
// in `ink`. Throws std::out_of_range naming the origin if the map would not
// fit, or naming '#' if the map uses it and no ink is given; throws
// std::invalid_argument naming the format unless `image` has 32-bit pixels.
void PaintPixelMap(QImage& image, QPoint origin, PixelMap rows, std::optional<QRgb> ink = std::nullopt);

}  // namespace tolvane

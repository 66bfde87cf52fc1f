#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <span>
#include <string_view>

namespace tolvane {

// A small picture written as rows of characters, one character per colour of
// the 16-colour palette:
//   . White   k Black   m Maroon  g Green   o Olive   n Navy    p Purple  t Teal
//   s Silver  d Grey    r Red     l Lime    y Yellow  b Blue    f Fuchsia a Aqua
// A space is see-through: it leaves the pixel beneath as it was, which lets a
// short map patch a variant onto a bigger one.
using PixelMap = std::span<const std::string_view>;

// The palette colour `key` stands for; throws std::out_of_range naming any
// other character (a space included, as it has no colour of its own).
QRgb PixelMapColour(char key);

// Width of the rows by their number. Throws std::out_of_range naming the first
// row whose length differs from the first row's.
QSize PixelMapSize(PixelMap rows);

// The map as a picture of its own, see-through pixels left white.
QImage PixelMapImage(PixelMap rows);

// Paints `rows` onto `image` with the map's top-left pixel at `origin`.
// Throws std::out_of_range naming the origin if the map would not fit.
void PaintPixelMap(QImage& image, QPoint origin, PixelMap rows);

}  // namespace tolvane

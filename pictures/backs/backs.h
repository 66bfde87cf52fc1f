#pragma once

#include <QImage>

namespace tolvane {

// The backs layer: the thirteen card-back designs, painted with smooth
// shapes and gradients, and the kit they share.

// The card backs, numbered 0..12, all 71 x 96: 0 is black dots on white in
// exactly two colours; 1..12 are full-colour pictures, in order sky with clouds, blue
// abstract, tropical fish, toy frog, red swirl, palm island, blue mosaic,
// magenta light streaks, desert dune with moon, astronaut above the earth,
// orange stripes and three toy racing cars. Each full-colour back carries
// magenta in the three pixels at every corner: the corner pixel and its two
// neighbours along the edges.
inline constexpr int kBackCount = 13;

// Throws std::out_of_range naming `back` unless it lies in 0..12.
// Drawn at `ratio` device pixels to a card pixel (1..12).
QImage DrawBack(int back, double ratio = 1.0);

}  // namespace tolvane

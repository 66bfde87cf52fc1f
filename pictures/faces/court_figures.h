#pragma once

#include <QImage>

#include "raster/device_grid.h"
#include "deck/card.h"

namespace tolvane {

// Draws the double-headed figure of a Jack, Queen or King of `suit` inside a
// frame on `card`: the lower half is the upper half turned through 180
// degrees. Leaves the corner index areas white.
// Throws std::out_of_range naming `rank` unless it is Jack, Queen or King,
// and std::invalid_argument naming the format unless `card` has 32-bit pixels.
void DrawCourtFigures(QImage& card, int rank, Suit suit);

// The same on a card drawn at the density of `grid`, from the same shapes.
void DrawCourtFigures(QImage& card, int rank, Suit suit, const DeviceGrid& grid);

}  // namespace tolvane

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include "raster/device_grid.h"
#include "deck/card.h"

namespace tolvane {

// The top-left corner index (rank text above a small suit symbol) lies in
// this area; the bottom-right index is the same area turned over.
inline constexpr QRect kCornerIndexArea{0, 0, 12, 30};

// A white card of kCardSize with a one-pixel `border` and rounded corners,
// white outside the rounding.
QImage BlankCard(QRgb border);

// The same at the density of `grid`: the border one line wide on whole
// device pixels, the corners rounded smoothly.
QImage BlankCard(QRgb border, const DeviceGrid& grid);

// Draws the corner index of `rank` and `suit` at the top left of `card` and
// the same turned through 180 degrees at the bottom right.
void DrawCornerIndices(QImage& card, int rank, Suit suit);

// The same on a card drawn at the density of `grid`: the rank text drawn as
// letters and the suit symbol filled from its outline.
void DrawCornerIndices(QImage& card, int rank, Suit suit, const DeviceGrid& grid);

}  // namespace tolvane

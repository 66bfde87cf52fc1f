#pragma once

#include <QImage>

// The faces layer: the 52 card faces, composed from suit shapes, rank
// glyphs, the pip layout, the card blank and the court figures.
namespace tolvane {

// The face of `card` (1..52): 71 x 96, two colours for Ace..10, the 16-colour
// palette for Jack, Queen and King.
// Drawn at `ratio` device pixels to a card pixel (1..12).
QImage DrawFace(int card, double ratio = 1.0);

}  // namespace tolvane

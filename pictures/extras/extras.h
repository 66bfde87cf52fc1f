#pragma once

#include <QImage>

namespace tolvane {

// The extras layer: the pictures that are neither faces nor backs, drawn in
// the 16-colour palette: mostly pixel art, drawn from shapes that follow the
// art where the screen has more device pixels.

// The further pictures, numbered 0..8: two green place-holder cards (71 x 96)
// and five small pictures, three of them with a variant.
inline constexpr int kExtraCount = 9;

// Throws std::out_of_range naming `extra` unless it lies in 0..8.
// Drawn at `ratio` device pixels to a picture pixel (1..12).
QImage DrawExtra(int extra, double ratio = 1.0);

}  // namespace tolvane

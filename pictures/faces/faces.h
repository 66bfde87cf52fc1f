#pragma once

#include <QImage>

namespace tolvane {

// The face of `card` (1..52): 71 x 96, two colours for Ace..10, the 16-colour
// palette for Jack, Queen and King.
QImage DrawFace(int card);

}  // namespace tolvane

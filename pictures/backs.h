#pragma once

#include <QImage>

namespace tolvane {

// Back designs 53..65, all 71 x 96: 53 in black and white, 54..65 in full
// colour with magenta in the three pixels at each corner.
QImage DrawBack(int id);

}  // namespace tolvane

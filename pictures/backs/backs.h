#pragma once

#include <QImage>

namespace tolvane {

// Back designs 53..65, all 71 x 96: 53 is black dots on white in exactly two
// colours; 54..65 are full-colour pictures, in order sky with clouds, blue
// abstract, tropical fish, toy frog, red swirl, palm island, blue mosaic,
// magenta light streaks, desert dune with moon, astronaut above the earth,
// orange stripes and three toy racing cars. Each full-colour back carries
// magenta in the three pixels at every corner: the corner pixel and its two
// neighbours along the edges.
// Throws std::out_of_range naming `id` unless it lies in 53..65.
QImage DrawBack(int id);

}  // namespace tolvane

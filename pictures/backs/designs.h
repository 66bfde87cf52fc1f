#pragma once

#include <QImage>

// The thirteen back designs. Each paints over the whole of a 71 x 96 card;
// the corner marks of the full-colour backs are added afterwards by DrawBack.
namespace tolvane::backs {

using PaintDesign = void(QImage& card);

// Black dots on white in a double frame, exactly two colours.
PaintDesign PaintDottedBack;

// Scenery
PaintDesign PaintSkyWithClouds, PaintPalmIsland, PaintDesertDuneWithMoon, PaintAstronautAboveEarth;

// Patterns
PaintDesign PaintBlueAbstract, PaintRedSwirl, PaintBlueMosaic, PaintMagentaStreaks, PaintOrangeStripes;

// Toys and creatures
PaintDesign PaintTropicalFish, PaintToyFrog, PaintRacingCars;

}  // namespace tolvane::backs

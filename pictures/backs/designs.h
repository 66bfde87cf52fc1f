#pragma once

#include <QImage>

// The thirteen back designs. Each paints over the whole of a 71 x 96 card;
// the corner marks of the full-colour backs are added afterwards by DrawBack.
namespace tolvane::backs {

// Black dots on white in a double frame, exactly two colours.
void PaintDottedBack(QImage& card);

// Scenery
void PaintSkyWithClouds(QImage& card);
void PaintPalmIsland(QImage& card);
void PaintDesertDuneWithMoon(QImage& card);
void PaintAstronautAboveEarth(QImage& card);

// Patterns
void PaintBlueAbstract(QImage& card);
void PaintRedSwirl(QImage& card);
void PaintBlueMosaic(QImage& card);
void PaintMagentaStreaks(QImage& card);
void PaintOrangeStripes(QImage& card);

// Toys and creatures
void PaintTropicalFish(QImage& card);
void PaintToyFrog(QImage& card);
void PaintRacingCars(QImage& card);

}  // namespace tolvane::backs

#include "backs.h"

#include <array>
#include <stdexcept>
#include <string>

#include "card_geometry.h"
#include "designs.h"
#include "raster/palette.h"
#include "raster/density.h"

namespace tolvane {

namespace {

constexpr int kDottedBack = 0;

// The full-colour designs in order, from kDottedBack + 1 on.
constexpr std::array<backs::PaintDesign*, kBackCount - 1> kFullColourDesigns = {
    backs::PaintSkyWithClouds,     backs::PaintBlueAbstract,    backs::PaintTropicalFish,
    backs::PaintToyFrog,           backs::PaintRedSwirl,        backs::PaintPalmIsland,
    backs::PaintBlueMosaic,        backs::PaintMagentaStreaks,  backs::PaintDesertDuneWithMoon,
    backs::PaintAstronautAboveEarth, backs::PaintOrangeStripes, backs::PaintRacingCars};

// The four corners, named by the card edges that meet there.
struct Corner {
    bool right;
    bool bottom;
};
constexpr std::array<Corner, 4> kCorners = {{{false, false}, {true, false}, {false, true}, {true, true}}};

void MarkCorners(QImage& back) {
    for (const Corner& corner : kCorners) {
        const int x = corner.right ? back.width() - 1 : 0;
        const int y = corner.bottom ? back.height() - 1 : 0;
        const int inwardX = corner.right ? -1 : 1;
        const int inwardY = corner.bottom ? -1 : 1;
        back.setPixel(x, y, palette::CornerMagenta);
        back.setPixel(x + inwardX, y, palette::CornerMagenta);
        back.setPixel(x, y + inwardY, palette::CornerMagenta);
    }
}

}  // namespace

QImage DrawBack(int design, double ratio) {
    if (ratio != 1.0)
        return EnlargedStandIn(DrawBack(design), ratio);
    if (design < 0 || design >= kBackCount)
        throw std::out_of_range("back " + std::to_string(design) + " is outside 0.." +
                                std::to_string(kBackCount - 1));
    QImage back(kCardSize, QImage::Format_RGB32);
    if (design == kDottedBack) {
        backs::PaintDottedBack(back);
        return back;
    }
    kFullColourDesigns[design - kDottedBack - 1](back);
    MarkCorners(back);
    return back;
}

}  // namespace tolvane

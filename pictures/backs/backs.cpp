#include "backs.h"

#include <array>
#include <stdexcept>
#include <string>

#include "back_kit.h"
#include "card_geometry.h"
#include "designs.h"
#include "raster/palette.h"
#include "raster/density.h"
#include "raster/device_grid.h"

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

// The marked card pixels at a corner, counted inwards from it: the corner
// pixel and its neighbours along the two edges.
constexpr std::array<QPoint, 3> kCornerMark = {{{0, 0}, {1, 0}, {0, 1}}};

// The card pixel `inwards` from a corner.
QPoint FromCorner(const Corner& corner, QPoint inwards) {
    return QPoint(corner.right ? kCardSize.width() - 1 - inwards.x() : inwards.x(),
                  corner.bottom ? kCardSize.height() - 1 - inwards.y() : inwards.y());
}

// Each marked card pixel covers the device pixels between its edges on the
// back's grid.
void MarkCorners(QImage& back) {
    const DeviceGrid grid = backs::CardGrid(back);
    for (const Corner& corner : kCorners)
        for (const QPoint& mark : kCornerMark) {
            const QRect pixels = grid.DeviceRect(QRect(FromCorner(corner, mark), QSize(1, 1)));
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    back.setPixel(x, y, palette::CornerMagenta);
        }
}

}  // namespace

QImage DrawBack(int design, double ratio) {
    if (design < 0 || design >= kBackCount)
        throw std::out_of_range("back " + std::to_string(design) + " is outside 0.." +
                                std::to_string(kBackCount - 1));
    QImage back = DenseImage(kCardSize, ratio, QImage::Format_RGB32);
    if (design == kDottedBack) {
        backs::PaintDottedBack(back);
        return back;
    }
    kFullColourDesigns[design - kDottedBack - 1](back);
    MarkCorners(back);
    return back;
}

}  // namespace tolvane

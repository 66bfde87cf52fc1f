#include "backs.h"

#include <array>
#include <cmath>
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

// The marked card pixels at a corner, counted inwards from it: the corner
// pixel and its neighbours along the two edges.
constexpr std::array<QPoint, 3> kCornerMark = {{{0, 0}, {1, 0}, {0, 1}}};

// The device pixels of the card pixel `inwards` from an edge, its own edges
// rounded to whole device pixels.
struct Span {
    int from, to;
};

Span DeviceSpan(int inwards, double ratio) {
    const auto rounded = [](double at) { return static_cast<int>(std::lround(at)); };
    return {rounded(inwards * ratio), rounded((inwards + 1) * ratio)};
}

void MarkCorners(QImage& back) {
    const double ratio = back.devicePixelRatio();
    for (const Corner& corner : kCorners)
        for (const QPoint& mark : kCornerMark) {
            const Span across = DeviceSpan(mark.x(), ratio), down = DeviceSpan(mark.y(), ratio);
            for (int i = across.from; i < across.to; ++i)
                for (int j = down.from; j < down.to; ++j)
                    back.setPixel(corner.right ? back.width() - 1 - i : i,
                                  corner.bottom ? back.height() - 1 - j : j, palette::CornerMagenta);
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

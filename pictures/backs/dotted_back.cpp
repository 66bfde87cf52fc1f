#include <QRgb>

#include "designs.h"
#include "raster/palette.h"
#include "raster/pixel_rows.h"

namespace tolvane::backs {

namespace {

// The frame is a line this far in from the card's edge; the dots begin two
// pixels further in.
constexpr int kFrameInset = 2;
constexpr int kDotsInset = kFrameInset + 2;

// The field is a light grid of dots every other pixel each way. Across it
// runs a net of diagonal bands that cross into diamonds, where the dots sit
// as a checkerboard, twice as close, so the net shows darker. No two dots
// ever share an edge.
constexpr int kGridPitch = 2;
constexpr int kDiamondPitch = 12;
constexpr int kBandWidth = 3;

// Bands are centred on their lines so the net mirrors about the middle.
bool InBand(int along) {
    const int shifted = along + kBandWidth / 2;
    return ((shifted % kDiamondPitch) + kDiamondPitch) % kDiamondPitch < kBandWidth;
}

bool OnNet(int fromMiddle, int y) {
    return InBand(fromMiddle + y) || InBand(fromMiddle - y);
}

bool OnFrame(int x, int y, int width, int height) {
    const bool inside = x >= kFrameInset && x < width - kFrameInset && y >= kFrameInset &&
                        y < height - kFrameInset;
    const bool edge = x == kFrameInset || x == width - 1 - kFrameInset || y == kFrameInset ||
                      y == height - 1 - kFrameInset;
    return inside && edge;
}

bool IsDot(int x, int y, int width, int height) {
    const int gx = x - kDotsInset, gy = y - kDotsInset;
    if (gx < 0 || gy < 0 || x >= width - kDotsInset || y >= height - kDotsInset)
        return false;
    const bool onGrid = gx % kGridPitch == 0 && gy % kGridPitch == 0;
    const bool onChecker = (gx + gy) % 2 == 0;
    return onGrid || (onChecker && OnNet(x - width / 2, y));
}

}  // namespace

void PaintDottedBack(QImage& card) {
    const int width = card.width(), height = card.height();
    const auto rows = WritableRows(card);
    for (int y = 0; y < height; ++y) {
        QRgb* row = rows[y];
        for (int x = 0; x < width; ++x)
            row[x] = OnFrame(x, y, width, height) || IsDot(x, y, width, height) ? palette::Black
                                                                                 : palette::White;
    }
}

}  // namespace tolvane::backs

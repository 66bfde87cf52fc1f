#include <QRgb>

#include <algorithm>
#include <vector>

#include "back_kit.h"
#include "card_geometry.h"
#include "designs.h"
#include "raster/device_grid.h"
#include "raster/palette.h"
#include "raster/pixel_rows.h"

namespace tolvane::backs {

namespace {

// In card pixels: the frame is a line this far in from the card's edge; the
// dots begin two pixels further in.
constexpr int kFrameInset = 2;
constexpr int kDotsInset = kFrameInset + 2;

// The field is a light grid of dots on every other cell each way. Across it
// runs a net of diagonal bands that cross into diamonds, where the dots sit
// as a checkerboard, twice as close, so the net shows darker. No two dots
// ever share an edge. At 1x a cell is a card pixel; the band width and the
// diamonds' pitch are in card pixels too.
constexpr int kBandWidth = 3;
constexpr int kDiamondPitch = 12;

// The back's measures in device pixels, or in cells where said. The dots
// are a texture finer than the card's pixels: at any density a cell is a
// whole number of device pixels, one or two, so the lattice stays perfectly
// even, as a halftone does, while the frame and the net keep their place on
// the card.
struct DotLayout {
    QRect frame, insideFrame;  // the frame's outer and inner edges
    int cell;                 // a dot's side
    int left, top;            // the first cell's corner
    int columns, rows;        // cells in the field
    int bandWidth, pitch;     // the net, in cells
    int middleColumn, rowsAbove;  // the net's origin, in cells
};

// The card less `inset` card pixels all round.
QRect Inside(int inset) {
    return QRect(QPoint(inset, inset), kCardSize - QSize(2 * inset, 2 * inset));
}

DotLayout LayOutDots(const DeviceGrid& grid) {
    DotLayout layout{};
    layout.frame = grid.DeviceRect(Inside(kFrameInset));
    const int line = grid.LineWidth();
    layout.insideFrame = layout.frame.adjusted(line, line, -line, -line);
    layout.cell = grid.LineWidth(0.5);
    const QRect field = grid.DeviceRect(Inside(kDotsInset));
    // An odd number of columns, centred, so the back mirrors left to right
    // with a grid dot in the first and last (to within a device pixel where
    // the image's width and the cell's differ in parity); rows run from the
    // top down.
    const int fit = field.width() / layout.cell;
    layout.columns = fit % 2 ? fit : fit - 1;
    layout.left = (grid.DeviceSize().width() - layout.columns * layout.cell) / 2;
    layout.top = field.top();
    layout.rows = field.height() / layout.cell;
    // The net is measured in cells, as on a grid of its own; its bands stay
    // odd so each is centred on its line.
    const DeviceGrid cells(kCardSize, grid.Ratio() / layout.cell);
    layout.bandWidth = cells.OddLineWidth(kBandWidth);
    layout.pitch = cells.LineWidth(kDiamondPitch);
    layout.middleColumn = (layout.columns - 1) / 2;
    layout.rowsAbove = layout.top / layout.cell;
    return layout;
}

// Bands are centred on their lines so the net mirrors about the middle.
bool InBand(int along, const DotLayout& layout) {
    const int shifted = along + layout.bandWidth / 2;
    return ((shifted % layout.pitch) + layout.pitch) % layout.pitch < layout.bandWidth;
}

// InBand for every diagonal the field's cells lie on, looked up rather than
// worked out again for each of the thousands of cells.
class NetBands {
public:
    explicit NetBands(const DotLayout& layout)
        : first_(-layout.middleColumn - layout.rowsAbove - layout.rows),
          inBand_(layout.columns + 2 * (layout.rowsAbove + layout.rows)) {
        for (std::size_t i = 0; i < inBand_.size(); ++i)
            inBand_[i] = InBand(first_ + static_cast<int>(i), layout);
    }

    bool Holds(int along) const { return inBand_[along - first_]; }

private:
    int first_;
    std::vector<char> inBand_;
};

bool IsDot(int column, int row, const DotLayout& layout, const NetBands& bands) {
    if (column % 2 == 0 && row % 2 == 0)
        return true;
    const int fromMiddle = column - layout.middleColumn, down = row + layout.rowsAbove;
    return (column + row) % 2 == 0 && (bands.Holds(fromMiddle + down) || bands.Holds(fromMiddle - down));
}

using WrittenRows = PixelRows<uchar>;

// Sets every device pixel of `area` in `rows` to `colour`.
void FillArea(const WrittenRows& rows, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill(rows[y] + area.left(), rows[y] + area.right() + 1, colour);
}

// Sets the `side` x `side` device pixels from `topLeft` to black.
void FillCell(const WrittenRows& rows, QPoint topLeft, int side) {
    for (int y = topLeft.y(); y < topLeft.y() + side; ++y)
        std::fill_n(rows[y] + topLeft.x(), side, palette::Black);
}

// The frame as its four sides, between its outer and inner edges.
void PaintFrame(const WrittenRows& rows, const DotLayout& layout) {
    const QRect& outer = layout.frame;
    const QRect& inner = layout.insideFrame;
    FillArea(rows, QRect(outer.topLeft(), QPoint(outer.right(), inner.top() - 1)), palette::Black);
    FillArea(rows, QRect(QPoint(outer.left(), inner.bottom() + 1), outer.bottomRight()), palette::Black);
    FillArea(rows, QRect(QPoint(outer.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
             palette::Black);
    FillArea(rows, QRect(QPoint(inner.right() + 1, inner.top()), QPoint(outer.right(), inner.bottom())),
             palette::Black);
}

}  // namespace

void PaintDottedBack(QImage& card) {
    const DotLayout layout = LayOutDots(CardGrid(card));
    const WrittenRows rows = WritableRows(card);
    card.fill(palette::White);
    const NetBands bands(layout);
    const int fieldWidth = layout.columns * layout.cell;
    // Only a cell whose column and row add up to an even number holds a dot.
    // On an even row that is every even column, so every even row after the
    // first is a copy of it.
    for (int row = 0; row < layout.rows; ++row) {
        const int top = layout.top + row * layout.cell;
        if (row % 2 == 0 && row > 0) {
            for (int y = 0; y < layout.cell; ++y)
                std::copy_n(rows[layout.top + y] + layout.left, fieldWidth, rows[top + y] + layout.left);
            continue;
        }
        for (int column = row % 2; column < layout.columns; column += 2)
            if (IsDot(column, row, layout, bands))
                FillCell(rows, QPoint(layout.left + column * layout.cell, top), layout.cell);
    }
    PaintFrame(rows, layout);
}

}  // namespace tolvane::backs

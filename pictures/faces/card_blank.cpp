#include "card_blank.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "card_geometry.h"
#include "glyphs.h"
#include "index_letters.h"
#include "raster/density_memo.h"
#include "raster/palette.h"
#include "raster/pixel_map.h"
#include "raster/pixel_rows.h"
#include "raster/stamp.h"
#include "suit_shapes.h"
#include "suit_stamps.h"

namespace tolvane {

namespace {

// The rounding of the top corners of the border, '#' for border; the bottom
// corners are the top ones turned over.
constexpr std::string_view kTopLeftRounding[] = {"  #", " # ", "#  "};
constexpr std::string_view kTopRightRounding[] = {"#  ", " # ", "  #"};
constexpr int kRoundingSize = static_cast<int>(std::size(kTopLeftRounding));
// The radius, in card pixels, of the border's middle line round a corner at
// a higher density, matching the three-pixel step above.
constexpr double kCornerRadius = 3.0;

// Where the index sits: the rank text centred over the suit symbol.
constexpr int kIndexCentreX = 6;
constexpr int kRankTextTop = 4;
constexpr int kIndexSuitTop = 13;

void DrawRoundedCorners(QImage& card, QRgb border) {
    PaintPixelMap(card, QPoint(0, 0), kTopLeftRounding, border);
    PaintPixelMap(card, QPoint(card.width() - kRoundingSize, 0), kTopRightRounding, border);
    CopyTurnedOver(card, QRect(0, 0, card.width(), kRoundingSize));
}

void DrawStraightEdges(QImage& card, QRgb border) {
    const int right = card.width() - 1, bottom = card.height() - 1;
    const auto rows = WritableRows(card);
    for (int y : {0, bottom})
        std::fill(rows[y] + kRoundingSize, rows[y] + right - kRoundingSize + 1, border);
    for (int y = kRoundingSize; y <= bottom - kRoundingSize; ++y)
        rows[y][0] = rows[y][right] = border;
}

QPoint RankTextAt(int rank) {
    return QPoint(kIndexCentreX - RankTextWidth(rank) / 2, kRankTextTop);
}

QPoint IndexSuitAt() {
    return QPoint(kIndexCentreX - kIndexSuitSize.width() / 2, kIndexSuitTop);
}

void DrawTopLeftIndex(QImage& card, int rank, Suit suit) {
    Stamp(card, RankText(rank, SuitInk(suit)), RankTextAt(rank));
    Stamp(card, IndexSuitStamp(suit), IndexSuitAt());
}

// Where the corners give way to straight edges, on a whole pixel: the
// corner's radius beyond the middle of the border line.
int CornerLength(const DeviceGrid& grid) {
    const double halfLine = grid.LineWidth() / 2.0 / grid.ScaleX();
    return grid.EdgeX(halfLine + kCornerRadius);
}

// The middle lines of the border's four rounded corners.
QPainterPath CornerArcs(const DeviceGrid& grid) {
    const int width = grid.LineWidth();
    const int right = grid.DeviceSize().width(), bottom = grid.DeviceSize().height();
    const double radius = CornerLength(grid) - width / 2.0;
    QPainterPath arcs;
    const double middle = width / 2.0, diameter = 2 * radius;
    const QRectF topLeft(middle, middle, diameter, diameter);
    const QPointF across(right - width - diameter, 0), down(0, bottom - width - diameter);
    for (const auto& [box, start] : {std::pair{topLeft, 90.0}, {topLeft.translated(across), 0.0},
                                     {topLeft.translated(across + down), 270.0}, {topLeft.translated(down), 180.0}}) {
        arcs.arcMoveTo(box, start);
        arcs.arcTo(box, start, 90);
    }
    return arcs;
}

using CornerStamps = std::array<QImage, 4>;

// The four corners in `border`, stroked as one outline on a see-through
// layer of the whole card and cut apart.
CornerStamps DrawCornerStamps(const DeviceGrid& grid, QRgb border) {
    QImage layer(grid.DeviceSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.strokePath(CornerArcs(grid),
                           QPen(QColor::fromRgb(border), grid.LineWidth(), Qt::SolidLine, Qt::FlatCap));
    }
    // Each corner's stroke stays within its corner's square; a pixel more
    // each way leaves room for the rounding of its ends.
    const int reach = CornerLength(grid) + 1;
    const int right = layer.width() - reach, bottom = layer.height() - reach;
    return {CutOut(layer, QRect(0, 0, reach, reach)), CutOut(layer, QRect(right, 0, reach, reach)),
            CutOut(layer, QRect(0, bottom, reach, reach)), CutOut(layer, QRect(right, bottom, reach, reach))};
}

CornerStamps SharedCornerStamps(const DeviceGrid& grid, QRgb border) {
    static DensityMemo<CornerStamps> memo;
    return memo.Get(grid.Ratio(), PartKey{{static_cast<int>(border), 0, 0, 0}},
                    [&] { return DrawCornerStamps(grid, border); });
}

void PaintRankText(QPainter& painter, const DeviceGrid& grid, int rank, QRgb ink) {
    const QPoint at = RankTextAt(rank);
    RankTextOnDevice text{.columnMiddles = {}, .rowMiddles = {}, .weight = static_cast<double>(grid.LineWidth())};
    const int columns = RankTextWidth(rank);
    for (int column = 0; column < columns; ++column)
        text.columnMiddles.push_back(grid.LineX(at.x() + column));
    for (int row = 0; row < kRankTextHeight; ++row)
        text.rowMiddles.push_back(grid.LineY(at.y() + row));
    PaintRankLetters(painter, rank, text, ink);
}

// The rank text painted where it stands on a see-through layer of the
// corner index and cut out, in black: its alpha is how much of each pixel
// the letters cover.
QImage DrawRankTextStamp(const DeviceGrid& grid, int rank) {
    const QRect area = grid.DeviceRect(kCornerIndexArea);  // from the card's top left
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing, true);
        PaintRankText(painter, grid, rank, palette::Black);
    }
    return CutOut(layer, area);
}

// The rank text in `ink`, drawn once for every card of the density to
// stamp; the letters are stroked once for both inks.
QImage SharedRankTextStamp(const DeviceGrid& grid, int rank, QRgb ink) {
    static DensityMemo<QImage> letters, inked;
    return inked.Get(grid.Ratio(), PartKey{{rank, static_cast<int>(ink), 0, 0}}, [&] {
        return Recoloured(letters.Get(grid.Ratio(), PartKey{{rank, 0, 0, 0}},
                                      [&] { return DrawRankTextStamp(grid, rank); }),
                          ink);
    });
}

void PaintTopLeftIndex(QImage& card, const DeviceGrid& grid, int rank, Suit suit) {
    QPainter painter(&card);
    const QImage text = SharedRankTextStamp(grid, rank, SuitInk(suit));
    painter.drawImage(text.offset(), text);
    const QRect symbol = grid.DeviceRect(QRect(IndexSuitAt(), kIndexSuitSize));
    StampSuitSymbol(painter, suit, symbol, Upright::Yes, grid.Ratio());
}

}  // namespace

QImage BlankCard(QRgb border) {
    QImage card(kCardSize, QImage::Format_RGB32);
    card.fill(palette::White);
    DrawRoundedCorners(card, border);
    DrawStraightEdges(card, border);
    return card;
}

// The straight edges are whole device pixels filled plainly; only the four
// rounded corners are drawn smoothly, which costs far less than smoothing
// the whole outline, and they are stamped from the ones drawn first.
QImage BlankCard(QRgb border, const DeviceGrid& grid) {
    QImage card(grid.DeviceSize(), QImage::Format_RGB32);
    card.fill(palette::White);
    const int width = grid.LineWidth(), corner = CornerLength(grid);
    const int right = card.width(), bottom = card.height();
    QPainter painter(&card);
    const QColor ink = QColor::fromRgb(border);
    painter.fillRect(QRect(corner, 0, right - 2 * corner, width), ink);
    painter.fillRect(QRect(corner, bottom - width, right - 2 * corner, width), ink);
    painter.fillRect(QRect(0, corner, width, bottom - 2 * corner), ink);
    painter.fillRect(QRect(right - width, corner, width, bottom - 2 * corner), ink);
    for (const QImage& stamp : SharedCornerStamps(grid, border))
        painter.drawImage(stamp.offset(), stamp);
    return card;
}

void DrawCornerIndices(QImage& card, int rank, Suit suit) {
    DrawTopLeftIndex(card, rank, suit);
    CopyTurnedOver(card, kCornerIndexArea);
}

void DrawCornerIndices(QImage& card, int rank, Suit suit, const DeviceGrid& grid) {
    PaintTopLeftIndex(card, grid, rank, suit);
    CopyTurnedOver(card, grid.DeviceRect(kCornerIndexArea));
}

}  // namespace tolvane

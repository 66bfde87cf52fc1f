#include "card_blank.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "card_geometry.h"
#include "glyphs.h"
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

void DrawTopLeftIndex(QImage& card, int rank, Suit suit) {
    const QRgb ink = SuitInk(suit);
    const QImage text = RankText(rank, ink);
    Stamp(card, text, QPoint(kIndexCentreX - text.width() / 2, kRankTextTop));
    const QImage& symbol = IndexSuitStamp(suit);
    Stamp(card, symbol, QPoint(kIndexCentreX - symbol.width() / 2, kIndexSuitTop));
}

}  // namespace

QImage BlankCard(QRgb border) {
    QImage card(kCardSize, QImage::Format_RGB32);
    card.fill(palette::White);
    DrawRoundedCorners(card, border);
    DrawStraightEdges(card, border);
    return card;
}

void DrawCornerIndices(QImage& card, int rank, Suit suit) {
    DrawTopLeftIndex(card, rank, suit);
    CopyTurnedOver(card, kCornerIndexArea);
}

}  // namespace tolvane

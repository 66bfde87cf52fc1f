#include "card_blank.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "glyphs.h"
#include "raster/palette.h"
#include "card_geometry.h"
#include "raster/pixel_rows.h"
#include "raster/stamp.h"
#include "suit_shapes.h"
#include "suit_stamps.h"

namespace tolvane {

namespace {

// The top-left rounding of the border, '#' for border; the other three
// corners are its mirror images.
constexpr std::array<std::string_view, 3> kRounding = {"..#", ".#.", "#.."};
constexpr int kRoundingSize = static_cast<int>(kRounding.size());

// Where the index sits: the rank text centred over the suit symbol.
constexpr int kIndexCentreX = 6;
constexpr int kRankTextTop = 4;
constexpr int kIndexSuitTop = 13;

void DrawRoundedCorners(QImage& card, QRgb border) {
    const int right = card.width() - 1, bottom = card.height() - 1;
    for (int y = 0; y < kRoundingSize; ++y)
        for (int x = 0; x < kRoundingSize; ++x) {
            if (kRounding[y][x] != '#')
                continue;
            card.setPixel(x, y, border);
            card.setPixel(right - x, y, border);
            card.setPixel(x, bottom - y, border);
            card.setPixel(right - x, bottom - y, border);
        }
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

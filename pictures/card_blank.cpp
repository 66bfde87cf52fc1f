#include "card_blank.h"

#include <QPainter>

#include <array>
#include <string_view>

#include "glyphs.h"
#include "palette.h"
#include "picture_catalogue.h"
#include "stamp.h"
#include "suit_shapes.h"

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
constexpr QSize kIndexSuitSize{9, 10};

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
    QPainter painter(&card);
    painter.setPen(QColor::fromRgb(border));
    painter.drawLine(kRoundingSize, 0, right - kRoundingSize, 0);
    painter.drawLine(kRoundingSize, bottom, right - kRoundingSize, bottom);
    painter.drawLine(0, kRoundingSize, 0, bottom - kRoundingSize);
    painter.drawLine(right, kRoundingSize, right, bottom - kRoundingSize);
}

void DrawTopLeftIndex(QImage& card, int rank, Suit suit) {
    const QRgb ink = SuitInk(suit);
    const QImage text = RankText(rank, ink);
    Stamp(card, text, QPoint(kIndexCentreX - text.width() / 2, kRankTextTop));
    const QImage symbol = SuitStamp(suit, kIndexSuitSize, ink);
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

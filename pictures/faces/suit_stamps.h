#pragma once

#include <QImage>
#include <QSize>

#include "deck/card.h"
#include "suit_shapes.h"

namespace tolvane {

// The suit symbol under the rank text of a corner index.
inline constexpr QSize kIndexSuitSize{9, 10};

// The suit symbols the cards repeat, in the suit's ink, rasterised once per
// suit and shared by every card that shows them. Pips are kPipSize. Each throws
// std::out_of_range naming `suit` unless it is a Suit value.
const QImage& PipStamp(Suit suit);
const QImage& UpsideDownPipStamp(Suit suit);
const QImage& IndexSuitStamp(Suit suit);

// The suit symbol in the suit's ink for a box of `size` device pixels on a
// card drawn at `ratio`, as SuitSymbolStamp draws it, drawn once and shared
// by every card at that density. Throws std::out_of_range naming `suit`
// unless it is a Suit value.
QImage DenseSuitStamp(Suit suit, QSize size, Upright way, double ratio);

// Draws that stamp with `painter` where PaintSuitSymbol would fill `box`.
void StampSuitSymbol(QPainter& painter, Suit suit, const QRect& box, Upright way, double ratio);

}  // namespace tolvane

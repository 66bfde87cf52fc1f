#pragma once

#include <QImage>
#include <QSize>

#include "deck/card.h"

namespace tolvane {

// The suit symbol under the rank text of a corner index.
inline constexpr QSize kIndexSuitSize{9, 10};

// The suit symbols the cards repeat, in the suit's ink, rasterised once per
// suit and shared by every card that shows them. Pips are kPipSize. Each throws
// std::out_of_range naming `suit` unless it is a Suit value.
const QImage& PipStamp(Suit suit);
const QImage& UpsideDownPipStamp(Suit suit);
const QImage& IndexSuitStamp(Suit suit);

}  // namespace tolvane

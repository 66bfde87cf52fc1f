#pragma once

#include <QPointF>
#include <QSize>

#include <vector>

#include "card_geometry.h"

namespace tolvane {

// Every pip of a 2..10 card has this size; width odd and height even, like
// the card's, so a pip centred on the card's middle lands on whole pixels.
inline constexpr QSize kPipSize{11, 12};

// The top-left pixel of a box of `size` centred on `centre`.
QPoint TopLeftForCentre(QPointF centre, QSize size);

// The centres of the pips of `rank` (2..10) on a card, in the coordinates of
// kCardCentre, in the usual two-column and centre-column arrangement. A pip
// whose centre lies below the card's middle is shown upside down.
// Throws std::out_of_range naming `rank` unless it lies in 2..10.
std::vector<QPointF> PipCentres(int rank);

// Whether a pip centred at `centre` stands in the lower half of the card.
bool IsInLowerHalf(QPointF centre);

}  // namespace tolvane

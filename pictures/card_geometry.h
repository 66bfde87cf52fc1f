#pragma once

#include <QPointF>
#include <QSize>

namespace tolvane {

// The size of every card picture: faces, backs and place-holders.
inline constexpr QSize kCardSize{71, 96};

// The card's middle in drawing coordinates, where pixel (x, y) covers the
// square from (x, y) to (x + 1, y + 1): the middle of column 35, on the line
// between rows 47 and 48.
inline constexpr QPointF kCardCentre{kCardSize.width() / 2.0, kCardSize.height() / 2.0};

}  // namespace tolvane

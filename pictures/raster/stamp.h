#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace tolvane {

// Puts the opaque pixels of `stamp` onto `onto` with their top left at
// `topLeft`, exactly, leaving what lies under the transparent ones. `onto`
// must have 32-bit pixels; throws std::invalid_argument naming its format if not.
void Stamp(QImage& onto, const QImage& stamp, QPoint topLeft);

// `stamp` turned through 180 degrees, pixel for pixel.
QImage TurnedOver(const QImage& stamp);

// Copies `area` of `card` turned through 180 degrees about the card's centre
// onto the opposite place, so that pixel (x, y) of `area` lands on
// (width - 1 - x, height - 1 - y). `card` must have 32-bit pixels, as for Stamp.
void CopyTurnedOver(QImage& card, const QRect& area);

}  // namespace tolvane

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

// The smallest part of `area` of `layer`, a see-through premultiplied
// image, that holds all the paint `layer` has there, its offset() set to
// where that part lies in `layer`; a null image if `area` holds none. Drawn
// back with QPainter::drawImage at its offset, it leaves what drawing its
// paint there would. Throws std::invalid_argument naming the format unless
// `layer` has 32-bit pixels.
QImage CutOut(const QImage& layer, const QRect& area);

// `stamp`, a see-through premultiplied image, in the opaque `colour`
// instead: each pixel `colour` premultiplied by the stamp's alpha there,
// as Qt's fill of the same shape in `colour` would have left it.
QImage Recoloured(const QImage& stamp, QRgb colour);

}  // namespace tolvane

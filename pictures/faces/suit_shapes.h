#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QRgb>
#include <QSize>

#include "deck/card.h"

namespace tolvane {

// The one outline of each suit symbol, in a unit square (x and y 0..1, y
// down), the symbol upright: its parts overlaid, their curves kept, filled
// by the winding rule, so it is smooth at any size. Every size a symbol is
// drawn at is this path scaled, so index, pip, ace and court symbols share
// one shape.
const QPainterPath& SuitShape(Suit suit);

// Black for Clubs and Spades, red for Diamonds and Hearts.
QRgb SuitInk(Suit suit);

// The suit symbol rasterised without antialiasing to `size`: opaque `colour`
// on a fully transparent background, ready to be stamped onto a card drawn
// at one device pixel to a card pixel. Its outline is the symbol as those
// cards have always had it, each curve a few straight segments, which is
// invisible at their size.
QImage SuitStamp(Suit suit, QSize size, QRgb colour);

// Which way up a symbol stands: pips in the lower half of a card are turned.
enum class Upright { Yes, TurnedOver };

// The suit symbol filled smoothly (antialiased) into `box` of the device
// pixels `painter` draws on, for faces drawn at a density above one.
void PaintSuitSymbol(QPainter& painter, Suit suit, const QRect& box, QRgb colour, Upright way = Upright::Yes);

// The same symbol as a see-through stamp for a box of `size`: `colour`
// premultiplied by how much of each pixel the symbol covers, its offset()
// where its top left lies from the box's. Drawn with QPainter::drawImage at
// the box's top left plus that offset, it leaves exactly the pixels
// PaintSuitSymbol leaves, and a card can repeat it at a fraction of the cost.
QImage SuitSymbolStamp(Suit suit, QSize size, QRgb colour, Upright way = Upright::Yes);

// Throws std::out_of_range naming `suit` unless it is a Suit value.
void CheckSuit(int suit);

}  // namespace tolvane

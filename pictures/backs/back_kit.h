#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>
#include <initializer_list>

#include "card_geometry.h"
#include "raster/device_grid.h"

// Shared tools of the back designs: the card's drawing area, gradients
// built from colour tables, a painter set up for smooth shapes and a
// seeded scatter for textures that come out the same on every machine.
//
// A design paints a card image of DenseImage(kCardSize, ratio): shapes are
// described in card pixels and a SmoothPainter draws them at the image's
// density; code that sets pixels itself works in device pixels, mapping
// them to the card through the card's grid.
namespace tolvane::backs {

inline constexpr QRectF kCardArea{0.0, 0.0, kCardSize.width(), kCardSize.height()};

// Where the card's pixels lie on a card image drawn at its devicePixelRatio.
DeviceGrid CardGrid(const QImage& card);

struct ColourStop {
    qreal at;  // 0 at the gradient's start, 1 at its end
    QColor colour;
};
using ColourStops = std::initializer_list<ColourStop>;

QLinearGradient LinearGradient(QPointF from, QPointF to, ColourStops stops);

// Top-to-bottom gradient over the whole card.
QLinearGradient CardHighToLow(ColourStops stops);

// `colour` at the given opacity, 0 clear .. 1 solid.
QColor Faded(QColor colour, qreal opacity);

// A brush of one colour at the given opacity, for see-through shapes and
// pens. Qt hands large translucent single-colour fills, and fills with any
// gradient that is not top-to-bottom, to its thread pool; on a card this
// small the hand-over costs several times the fill itself. This brush is a
// top-to-bottom gradient of one colour, which Qt blends in place. For the
// same reason large round glows are shaded pixel by pixel, below. Small
// shapes, a few pixels tall, stay in place anyway: give them a plain Faded
// colour, which spares building the gradient's colour table.
QBrush SeeThrough(QColor colour, qreal opacity);

// Paints antialiased shapes with no outline until a pen is set, in card
// pixels spread over the whole image; the second form first covers the card
// with a top-to-bottom gradient of `highToLow`.
class SmoothPainter : public QPainter {
public:
    explicit SmoothPainter(QImage* card);
    SmoothPainter(QImage* card, ColourStops highToLow);

    // Draws `shape` with the current pen and brush a few device rows at a
    // time. Qt hands any fill of more than about a hundred runs of pixels
    // to its thread pool, which a slanted gradient on a shape a few card
    // pixels tall reaches once drawn at density; band by band it stays in
    // place.
    void DrawInBands(const QPainterPath& shape);

    // A frame `width` wide centred on the rectangle `line`, in `colour`. At
    // 1x the pen draws it, soft-edged as it always was; at density its edges
    // lie on whole device pixels, so it is crisp.
    void DrawFrame(const QRectF& line, qreal width, const QColor& colour);
};

// `area` with its edges moved to the nearest whole device pixels, for
// squares and frames that stay crisp at any density.
QRectF OnWholeDevicePixels(const QPainter& painter, const QRectF& area);

// Lays a round gradient over the pixels within `radius` of `centre` (in card
// pixels, at the image's density), the stops running from the centre (0) to
// the rim (1). Throws std::invalid_argument naming the format unless `card`
// has 32-bit pixels.
void ShadeRound(QImage& card, QPointF centre, qreal radius, ColourStops stops);

// A soft round light, strongest (at `strength`, 0..1) in the middle and
// fading to nothing at `radius`: a sun's halo, a moon's, a star.
void PaintGlow(QImage& card, QPointF centre, qreal radius, QColor colour, qreal strength);

// A value in [0, 1) fixed by the three numbers, for textures and scatter.
qreal Scatter(std::uint32_t x, std::uint32_t y, std::uint32_t seed);

}  // namespace tolvane::backs

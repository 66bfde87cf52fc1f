#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRgb>

#include "raster/palette.h"

namespace tolvane {

// Everything an outlined shape is drawn round with.
inline constexpr QRgb kOutline = palette::Black;

// Paints flat shapes in exact colours onto a card, without antialiasing, so
// no colour appears that was not asked for. Rectangles and ovals fill the
// pixels of `box` exactly, outline included.
class OutlineBrush {
public:
    explicit OutlineBrush(QImage& card);

    void Outlined(const QPolygon& shape, QRgb fill);
    void Outlined(const QRect& box, QRgb fill);
    void OutlinedOval(const QRect& box, QRgb fill);
    void Plain(const QRect& box, QRgb fill);
    void Dot(QPoint at, QRgb colour);
    void Polyline(const QPolygon& line, QRgb colour);

private:
    void UseOutlineAndFill(QRgb fill);

    QPainter painter_;
};

}  // namespace tolvane

#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRgb>

#include <optional>

#include "raster/device_grid.h"
#include "raster/palette.h"

namespace tolvane {

// Everything an outlined shape is drawn round with.
inline constexpr QRgb kOutline = palette::Black;

// Paints flat shapes in exact colours onto a card, without antialiasing, so
// no colour appears that was not asked for. Rectangles and ovals fill the
// pixels of `box` exactly, outline included. Shapes are given in card
// pixels: a point is the pixel an outline passes through.
//
// Given a grid, the brush paints the same shapes on a card drawn at a higher
// density instead: outlines one card pixel wide on whole device pixels,
// slanted and curved edges smoothed.
class OutlineBrush {
public:
    explicit OutlineBrush(QImage& card);
    OutlineBrush(QImage& card, const DeviceGrid& grid);

    void Outlined(const QPolygon& shape, QRgb fill);
    void Outlined(const QRect& box, QRgb fill);
    void OutlinedOval(const QRect& box, QRgb fill);
    void Plain(const QRect& box, QRgb fill);
    void Dot(QPoint at, QRgb colour);
    void Polyline(const QPolygon& line, QRgb colour);

private:
    enum class Box { Square, Oval };

    void UseOutlineAndFill(QRgb fill);
    void OutlinedOnDevice(const QRect& box, QRgb fill, Box shape);
    void FillOnDevice(const QRectF& area, QRgb colour, Box shape);
    QPolygonF OnDevice(const QPolygon& line) const;
    QRectF OnDevice(const QRect& box) const;

    QPainter painter_;
    std::optional<DeviceGrid> grid_;
};

}  // namespace tolvane

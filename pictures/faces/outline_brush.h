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

// A polygon in card pixels whose corners `firstRound` to `lastRound` (by
// index, both included, never wrapping) are meant round. At one device pixel
// to a card pixel it is its points; at density each of those corners becomes
// a curve from the middle of the edge before it to the middle of the edge
// after it. The first and last points of an open line are never round.
struct RoundedPolygon {
    QPolygon points;
    int firstRound;
    int lastRound;
};

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
    void Outlined(const RoundedPolygon& shape, QRgb fill);
    void Outlined(const QRect& box, QRgb fill);
    void OutlinedOval(const QRect& box, QRgb fill);
    void Plain(const QRect& box, QRgb fill);
    void Dot(QPoint at, QRgb colour);
    void Polyline(const QPolygon& line, QRgb colour);
    void Polyline(const RoundedPolygon& line, QRgb colour);

private:
    enum class Box { Square, Oval };

    void UseOutlineAndFill(QRgb fill);
    void OutlinedOnDevice(const QRect& box, QRgb fill, Box shape);
    void OutlinedOnDevice(const QPolygonF& middle, QRgb fill);
    void PolylineOnDevice(const QPolygonF& line, QRgb colour);
    void FillOnDevice(const QRectF& area, QRgb colour, Box shape);
    QPolygonF OnDevice(const QPolygon& line) const;
    QPolygonF OnDevice(const RoundedPolygon& shape) const;
    QRectF OnDevice(const QRect& box) const;

    QPainter painter_;
    std::optional<DeviceGrid> grid_;
};

}  // namespace tolvane

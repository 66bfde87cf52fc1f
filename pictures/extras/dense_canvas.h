#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QTransform>

#include <algorithm>

#include "raster/device_grid.h"

namespace tolvane {

// Where the extras are drawn above one device pixel to a picture pixel: an
// image of the screen's device pixels, white to start with, taking shapes
// in picture (logical) pixel coordinates, placed by the picture's grid, and
// drawing them antialiased. Straight edges are snapped to whole device
// pixels so they stay sharp at fractional ratios; curves and slants are
// left to the antialiasing.
class DenseCanvas {
public:
    DenseCanvas(QSize logical, double ratio);

    // The whole picture in logical pixels.
    QRectF Bounds() const { return QRectF(QPointF(0, 0), grid_.LogicalSize()); }

    // A logical point or rectangle moved to the nearest edges between
    // device pixels.
    QPointF Snap(QPointF logical) const;
    QRectF Snap(const QRectF& logical) const;

    const DeviceGrid& Grid() const { return grid_; }

    // Device pixels back in logical ones, for shapes laid out on the grid.
    QRectF FromDevice(const QRect& device) const;

    // `logical` pixels as a whole number of device pixels, as
    // DeviceGrid::BoxLength; in logical pixels, for a stroke's width.
    double WholePixels(double logical) const;

    // How thick a line one picture pixel wide is drawn: a whole number of
    // device pixels, never less than one.
    double LineWidth() const { return lineWidth_; }

    // How thick a curved line one picture pixel wide is drawn: as a straight
    // one, but never thinner than a picture pixel, as antialiasing spreads a
    // thin curve into a pale smear.
    double CurveWidth() const { return std::max(lineWidth_, 1.0); }

    void Fill(const QPainterPath& shape, QRgb colour);

    // A line along `path`, `width` logical pixels thick, with round ends and
    // joins unless told otherwise.
    void Stroke(const QPainterPath& path, QRgb colour, double width, Qt::PenCapStyle cap = Qt::RoundCap,
                Qt::PenJoinStyle join = Qt::RoundJoin);

    // A rounded edge one line wide in `edge` just inside `outer`, which is
    // snapped first; `radius` is that of the outer side.
    void Edge(const QRectF& outer, double radius, QRgb edge);

    // The same edge with its inside filled with `fill`.
    void Slab(const QRectF& outer, double radius, QRgb edge, QRgb fill);

    // A box of `colour` about the middle of `logical`, a whole number of device
    // pixels each way, so that boxes of one size stay alike; its corners rounded by
    // `radius` but never more than leaves a flat device pixel on each side:
    // a box one device pixel wide stays a square pixel, a wider one with a
    // large radius is a pill.
    void Box(const QRectF& logical, double radius, QRgb colour);

    // Ends the painting and hands over the picture.
    QImage Finish();

private:
    DeviceGrid grid_;
    // Shapes are taken to device pixels here rather than by the painter:
    // QPainter fills an antialiased curve under a scale at about twice the cost.
    QTransform toDevice_;
    QImage image_;
    QPainter painter_;
    double lineWidth_;
};

}  // namespace tolvane

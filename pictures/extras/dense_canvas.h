#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QTransform>

#include <algorithm>

namespace tolvane {

// Where the extras are drawn above one device pixel to a picture pixel: an
// image of the screen's device pixels, white to start with, taking shapes
// in picture (logical) pixel coordinates and drawing them antialiased.
// Straight edges are snapped to whole device pixels so they stay sharp at
// fractional ratios; curves and slants are left to the antialiasing.
class DenseCanvas {
public:
    DenseCanvas(QSize logical, double ratio);

    // The whole picture in logical pixels: lround(w * r) / r wide, which is
    // a little more or less than w at some ratios.
    QRectF Bounds() const { return bounds_; }

    // A logical coordinate moved to the nearest edge between device pixels.
    double Snap(double logical) const;
    QRectF Snap(const QRectF& logical) const;

    // `logical` pixels as the nearest whole number of device pixels, never
    // less than one, a half rounded down; in logical pixels.
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
    double ratio_;
    // Shapes are taken to device pixels here rather than by the painter:
    // QPainter fills an antialiased curve under a scale at about twice the cost.
    QTransform toDevice_;
    QImage image_;
    QPainter painter_;
    QRectF bounds_;
    double lineWidth_;
};

}  // namespace tolvane

#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QTransform>

namespace tolvane {

// Where a picture laid out in its own (logical) pixels lands on the device
// pixels of an image of DenseImageSize(logical, ratio). The picture fills the
// whole image: each axis is scaled by its device length over its logical
// one, so the picture's edges are the image's edges and its middle the
// image's middle (a card at 1.5 is 107 x 144, scaled 1.507 across and 1.5
// down). Edges and lines are put on whole device pixels, which keeps them
// crisp at ratios like 1.5, and those in the far half of an axis as the
// mirror of their opposite ones, so a layout that is symmetric on the
// picture is symmetric to the device pixel.
class DeviceGrid {
public:
    // Throws std::invalid_argument naming the value unless `ratio` is a
    // number of at least 1 and `logical` is not empty.
    DeviceGrid(QSize logical, double ratio);

    QSize LogicalSize() const { return logical_; }
    QSize DeviceSize() const { return device_; }
    double Ratio() const { return ratio_; }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

    // The exact map from logical to device coordinates, for smooth shapes.
    QTransform ToDevice() const { return QTransform::fromScale(scaleX_, scaleY_); }
    QPointF ToDevice(QPointF logical) const { return {logical.x() * scaleX_, logical.y() * scaleY_}; }
    QPointF ToLogical(QPointF device) const { return {device.x() / scaleX_, device.y() / scaleY_}; }

    // A logical pixel edge on the nearest device pixel edge.
    int EdgeX(double x) const;
    int EdgeY(double y) const;
    QRect DeviceRect(const QRectF& logical) const;

    // The device rows that, turned over about the middle, make the lower
    // half: the upper half, and the middle row where there is an odd number.
    QRect UpperHalf() const;

    // The device box for a symbol of `logical` size centred on `centre`: the
    // nearest whole size that centres exactly on the picture's middle, as
    // BoxAt places it.
    QRect CentredBox(QPointF centre, QSize logical) const;

    // A box of `device` size placed as nearly as whole pixels allow about
    // the logical point `centre`; boxes about points mirror-wise about the
    // middle land mirror-wise.
    QRect BoxAt(QPointF centre, QSize device) const;

    // A box's side `logical` pixels long as the nearest whole number of
    // device pixels, never less than one, a half rounded down so that the
    // space around boxes stays.
    int BoxLength(double logical) const;

    // A line `logicalWidth` pixels wide as the nearest whole number of device
    // pixels, never less than one, a half rounded up: a card's border at 1.5
    // is two device pixels wide.
    int LineWidth(double logicalWidth = 1) const;

    // The same as the nearest odd number of device pixels, for a line that
    // centres on a pixel's middle.
    int OddLineWidth(double logicalWidth) const;

    // Where the middle of a line one logical pixel wide drawn along logical
    // pixel column `x` or row `y` goes, so that its edges fall on device
    // pixel edges.
    double LineX(double x) const;
    double LineY(double y) const;
    QPointF LinePoint(QPointF logicalPixel) const { return {LineX(logicalPixel.x()), LineY(logicalPixel.y())}; }

private:
    QSize logical_;
    double ratio_;
    QSize device_;
    double scaleX_;
    double scaleY_;
};

}  // namespace tolvane

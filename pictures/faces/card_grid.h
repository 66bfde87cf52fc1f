#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

namespace tolvane {

// Where a card laid out in its own (logical) pixels lands on the device
// pixels of a face drawn at `ratio`: the card fills the whole device image,
// so its middle stays the image's middle. Edges and one-pixel lines are put
// on whole device pixels, which keeps them crisp at ratios like 1.5.
class CardGrid {
public:
    explicit CardGrid(double ratio);

    QSize DeviceSize() const { return device_; }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

    // A logical pixel edge on the nearest device pixel edge.
    int EdgeX(double x) const;
    int EdgeY(double y) const;
    QRect DeviceRect(const QRect& logical) const;

    // The device box for a symbol of `logical` size centred on `centre`: the
    // nearest whole size that centres exactly on the card's middle, and boxes
    // placed mirror-wise about the middle land mirror-wise on the device.
    QRect CentredBox(QPointF centre, QSize logical) const;

    // The width of a line one logical pixel wide, in whole device pixels, and
    // where the middle of such a line drawn along logical pixel column `x` or
    // row `y` goes, so that its edges fall on device pixel edges.
    int LineWidth() const { return lineWidth_; }
    double LineX(double x) const;
    double LineY(double y) const;
    QPointF LinePoint(QPointF logicalPixel) const { return {LineX(logicalPixel.x()), LineY(logicalPixel.y())}; }

private:
    QSize device_;
    double scaleX_;
    double scaleY_;
    int lineWidth_;
};

}  // namespace tolvane

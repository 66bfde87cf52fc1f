#include "dense_canvas.h"

#include <algorithm>

#include "raster/density.h"
#include "raster/palette.h"

namespace tolvane {

namespace {

// A rounded rectangle `inset` inside `outer`, its corners following those of `outer`.
void AddInset(QPainterPath& path, const QRectF& outer, double radius, double inset) {
    const double insetRadius = std::max(0.0, radius - inset);
    path.addRoundedRect(outer.adjusted(inset, inset, -inset, -inset), insetRadius, insetRadius);
}

}  // namespace

DenseCanvas::DenseCanvas(QSize logical, double ratio)
    : grid_(logical, ratio),
      toDevice_(grid_.ToDevice()),
      image_(DenseImage(logical, ratio, QImage::Format_RGB32)),
      lineWidth_(grid_.LineWidth() / ratio) {
    image_.fill(palette::White);
    image_.setDevicePixelRatio(1);  // the painter works in device pixels
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

QPointF DenseCanvas::Snap(QPointF logical) const {
    return grid_.ToLogical(QPointF(grid_.EdgeX(logical.x()), grid_.EdgeY(logical.y())));
}

QRectF DenseCanvas::Snap(const QRectF& logical) const {
    return QRectF(Snap(logical.topLeft()), Snap(logical.bottomRight()));
}

QRectF DenseCanvas::FromDevice(const QRect& device) const {
    const QRectF area(device);
    return QRectF(grid_.ToLogical(area.topLeft()), grid_.ToLogical(area.bottomRight()));
}

double DenseCanvas::WholePixels(double logical) const {
    return grid_.BoxLength(logical) / grid_.Ratio();
}

void DenseCanvas::Fill(const QPainterPath& shape, QRgb colour) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(colour));
    painter_.drawPath(toDevice_.map(shape));
}

void DenseCanvas::Stroke(const QPainterPath& path, QRgb colour, double width, Qt::PenCapStyle cap,
                         Qt::PenJoinStyle join) {
    painter_.setPen(QPen(QColor(colour), width * grid_.Ratio(), Qt::SolidLine, cap, join));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(toDevice_.map(path));
}

void DenseCanvas::Edge(const QRectF& outer, double radius, QRgb edge) {
    // Only the ring is painted: filling the whole slab would cost its area again.
    const QRectF snapped = Snap(outer);
    QPainterPath ring;
    AddInset(ring, snapped, radius, 0);
    AddInset(ring, snapped, radius, lineWidth_);
    Fill(ring, edge);
}

void DenseCanvas::Slab(const QRectF& outer, double radius, QRgb edge, QRgb fill) {
    // The fill reaches under the middle of the edge, so that no seam of the
    // background shows between their antialiased curves.
    QPainterPath inside;
    AddInset(inside, Snap(outer), radius, lineWidth_ / 2);
    Fill(inside, fill);
    Edge(outer, radius, edge);
}

void DenseCanvas::Box(const QRectF& logical, double radius, QRgb colour) {
    const QSize size(grid_.BoxLength(logical.width()), grid_.BoxLength(logical.height()));
    const QRectF box = FromDevice(grid_.BoxAt(logical.center(), size));
    const double onePixel = 1 / grid_.Ratio();
    const double rounding =
        std::clamp((std::min(box.width(), box.height()) - onePixel) / 2, 0.0, radius);
    QPainterPath shape;
    shape.addRoundedRect(box, rounding, rounding);
    Fill(shape, colour);
}

QImage DenseCanvas::Finish() {
    painter_.end();
    image_.setDevicePixelRatio(grid_.Ratio());
    return image_;
}

}  // namespace tolvane

#include "dense_canvas.h"

#include <algorithm>
#include <cmath>

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
    : ratio_(ratio),
      toDevice_(QTransform::fromScale(ratio, ratio)),
      image_(DenseImage(logical, ratio, QImage::Format_RGB32)),
      lineWidth_(std::max(1.0, static_cast<double>(std::lround(ratio))) / ratio) {
    bounds_ = QRectF(0, 0, image_.width() / ratio, image_.height() / ratio);
    image_.fill(palette::White);
    image_.setDevicePixelRatio(1);  // the painter works in device pixels
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

double DenseCanvas::Snap(double logical) const {
    return std::round(logical * ratio_) / ratio_;
}

QRectF DenseCanvas::Snap(const QRectF& logical) const {
    return QRectF(QPointF(Snap(logical.left()), Snap(logical.top())),
                  QPointF(Snap(logical.right()), Snap(logical.bottom())));
}

double DenseCanvas::WholePixels(double logical) const {
    return std::max(1.0, std::ceil(logical * ratio_ - 0.5)) / ratio_;
}

void DenseCanvas::Fill(const QPainterPath& shape, QRgb colour) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(colour));
    painter_.drawPath(toDevice_.map(shape));
}

void DenseCanvas::Stroke(const QPainterPath& path, QRgb colour, double width, Qt::PenCapStyle cap,
                         Qt::PenJoinStyle join) {
    painter_.setPen(QPen(QColor(colour), width * ratio_, Qt::SolidLine, cap, join));
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
    const QSizeF size(WholePixels(logical.width()), WholePixels(logical.height()));
    const QPointF centre = logical.center();
    const QRectF box(QPointF(Snap(centre.x() - size.width() / 2), Snap(centre.y() - size.height() / 2)),
                     size);
    const double onePixel = 1 / ratio_;
    const double rounding =
        std::clamp((std::min(box.width(), box.height()) - onePixel) / 2, 0.0, radius);
    QPainterPath shape;
    shape.addRoundedRect(box, rounding, rounding);
    Fill(shape, colour);
}

QImage DenseCanvas::Finish() {
    painter_.end();
    image_.setDevicePixelRatio(ratio_);
    return image_;
}

}  // namespace tolvane

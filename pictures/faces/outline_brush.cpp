#include "outline_brush.h"

namespace tolvane {

namespace {

// QPainter outlines a rectangle one pixel beyond its width and height.
QRect WithinOutline(const QRect& box) {
    return box.adjusted(0, 0, -1, -1);
}

}  // namespace

OutlineBrush::OutlineBrush(QImage& card) : painter_(&card) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

OutlineBrush::OutlineBrush(QImage& card, const CardGrid& grid) : painter_(&card), grid_(grid) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void OutlineBrush::Outlined(const QPolygon& shape, QRgb fill) {
    UseOutlineAndFill(fill);
    if (grid_)
        painter_.drawPolygon(OnDevice(shape));
    else
        painter_.drawPolygon(shape);
}

void OutlineBrush::Outlined(const QRect& box, QRgb fill) {
    UseOutlineAndFill(fill);
    if (grid_)
        painter_.drawRect(OnDevice(box));
    else
        painter_.drawRect(WithinOutline(box));
}

void OutlineBrush::OutlinedOval(const QRect& box, QRgb fill) {
    UseOutlineAndFill(fill);
    if (grid_)
        painter_.drawEllipse(OnDevice(box));
    else
        painter_.drawEllipse(WithinOutline(box));
}

void OutlineBrush::Plain(const QRect& box, QRgb fill) {
    painter_.fillRect(grid_ ? grid_->DeviceRect(box) : box, QColor::fromRgb(fill));
}

void OutlineBrush::Dot(QPoint at, QRgb colour) {
    Plain(QRect(at, QSize(1, 1)), colour);
}

void OutlineBrush::Polyline(const QPolygon& line, QRgb colour) {
    if (grid_) {
        painter_.setPen(QPen(QColor::fromRgb(colour), grid_->LineWidth(), Qt::SolidLine, Qt::FlatCap,
                             Qt::MiterJoin));
        painter_.drawPolyline(OnDevice(line));
    } else {
        painter_.setPen(QColor::fromRgb(colour));
        painter_.drawPolyline(line);
    }
}

void OutlineBrush::UseOutlineAndFill(QRgb fill) {
    if (grid_)
        painter_.setPen(QPen(QColor::fromRgb(kOutline), grid_->LineWidth(), Qt::SolidLine, Qt::SquareCap,
                             Qt::MiterJoin));
    else
        painter_.setPen(QColor::fromRgb(kOutline));
    painter_.setBrush(QColor::fromRgb(fill));
}

QPolygonF OutlineBrush::OnDevice(const QPolygon& line) const {
    QPolygonF device;
    device.reserve(line.size());
    for (QPoint point : line)
        device.append(grid_->LinePoint(point));
    return device;
}

QRectF OutlineBrush::OnDevice(const QRect& box) const {
    return QRectF(grid_->LinePoint(box.topLeft()), grid_->LinePoint(box.bottomRight()));
}

}  // namespace tolvane

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

void OutlineBrush::Outlined(const QPolygon& shape, QRgb fill) {
    UseOutlineAndFill(fill);
    painter_.drawPolygon(shape);
}

void OutlineBrush::Outlined(const QRect& box, QRgb fill) {
    UseOutlineAndFill(fill);
    painter_.drawRect(WithinOutline(box));
}

void OutlineBrush::OutlinedOval(const QRect& box, QRgb fill) {
    UseOutlineAndFill(fill);
    painter_.drawEllipse(WithinOutline(box));
}

void OutlineBrush::Plain(const QRect& box, QRgb fill) {
    painter_.fillRect(box, QColor::fromRgb(fill));
}

void OutlineBrush::Dot(QPoint at, QRgb colour) {
    Plain(QRect(at, QSize(1, 1)), colour);
}

void OutlineBrush::Polyline(const QPolygon& line, QRgb colour) {
    painter_.setPen(QColor::fromRgb(colour));
    painter_.drawPolyline(line);
}

void OutlineBrush::UseOutlineAndFill(QRgb fill) {
    painter_.setPen(QColor::fromRgb(kOutline));
    painter_.setBrush(QColor::fromRgb(fill));
}

}  // namespace tolvane

#include "outline_brush.h"

#include <algorithm>
#include <cmath>

#include "raster/signed_area.h"

namespace tolvane {

namespace {

// `shape` with every edge moved `distance` outwards (inwards if negative),
// corners kept sharp, as a pen of twice that width would outline it.
QPolygonF Offset(const QPolygonF& shape, double distance) {
    // A sharp corner's point reaches no further than this many distances out.
    constexpr double kLongestPoint = 4;
    const double outwards = SignedArea(shape) > 0 ? distance : -distance;
    const auto normal = [](QPointF from, QPointF to) {
        const QPointF along = to - from;
        const double length = std::hypot(along.x(), along.y());
        return length > 0 ? QPointF(along.y() / length, -along.x() / length) : QPointF();
    };
    QPolygonF moved;
    moved.reserve(shape.size());
    const qsizetype count = shape.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QPointF before = shape[(i + count - 1) % count], at = shape[i], after = shape[(i + 1) % count];
        const QPointF n1 = normal(before, at), n2 = normal(at, after);
        const double cosine = QPointF::dotProduct(n1, n2);
        const double reach = std::min(1 / std::max(1 + cosine, 1e-6), kLongestPoint * kLongestPoint / 2);
        moved.append(at + (n1 + n2) * (outwards * reach));
    }
    return moved;
}

void AppendUnlessRepeated(QPolygonF& polygon, QPointF point) {
    if (polygon.isEmpty() || polygon.last() != point)
        polygon.append(point);
}

// The curve from `from` to `to` pulled towards `corner`, as straight pieces
// that stray from it by a sixteenth of a device pixel at most: a quadratic
// curve strays from the chord of a step 1/n long by a quarter of
// |from - 2 corner + to| / n^2.
void AppendRoundCorner(QPolygonF& polygon, QPointF from, QPointF corner, QPointF to) {
    const QPointF bend = from - 2 * corner + to;
    const double bendLength = std::hypot(bend.x(), bend.y());
    const int steps = std::max(1, static_cast<int>(std::ceil(2 * std::sqrt(bendLength))));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        AppendUnlessRepeated(polygon, (1 - t) * (1 - t) * from + 2 * t * (1 - t) * corner + t * t * to);
    }
}

// QPainter outlines a rectangle one pixel beyond its width and height.
QRect WithinOutline(const QRect& box) {
    return box.adjusted(0, 0, -1, -1);
}

}  // namespace

OutlineBrush::OutlineBrush(QImage& card) : painter_(&card) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

OutlineBrush::OutlineBrush(QImage& card, const DeviceGrid& grid) : painter_(&card), grid_(grid) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

// On a dense card an outline is the shape grown by half a line filled in the
// outline's colour, then the shape shrunk by half a line in its own: two
// smooth fills cost far less than stroking the outline.
void OutlineBrush::Outlined(const QPolygon& shape, QRgb fill) {
    if (!grid_) {
        UseOutlineAndFill(fill);
        painter_.drawPolygon(shape);
        return;
    }
    OutlinedOnDevice(OnDevice(shape), fill);
}

void OutlineBrush::Outlined(const RoundedPolygon& shape, QRgb fill) {
    if (!grid_) {
        Outlined(shape.points, fill);
        return;
    }
    OutlinedOnDevice(OnDevice(shape), fill);
}

void OutlineBrush::OutlinedOnDevice(const QPolygonF& middle, QRgb fill) {
    const double half = grid_->LineWidth() / 2.0;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor::fromRgb(kOutline));
    painter_.drawPolygon(Offset(middle, half));
    const QPolygonF inside = Offset(middle, -half);
    const double area = SignedArea(middle), insideArea = SignedArea(inside);
    if (area * insideArea > 0 && std::abs(insideArea) < std::abs(area)) {
        painter_.setBrush(QColor::fromRgb(fill));
        painter_.drawPolygon(inside);
    }
}

void OutlineBrush::Outlined(const QRect& box, QRgb fill) {
    if (grid_) {
        OutlinedOnDevice(box, fill, Box::Square);
        return;
    }
    UseOutlineAndFill(fill);
    painter_.drawRect(WithinOutline(box));
}

void OutlineBrush::OutlinedOval(const QRect& box, QRgb fill) {
    if (grid_) {
        OutlinedOnDevice(box, fill, Box::Oval);
        return;
    }
    UseOutlineAndFill(fill);
    painter_.drawEllipse(WithinOutline(box));
}

void OutlineBrush::OutlinedOnDevice(const QRect& box, QRgb fill, Box shape) {
    const QRectF middle = OnDevice(box);
    const double half = grid_->LineWidth() / 2.0;
    FillOnDevice(middle.adjusted(-half, -half, half, half), kOutline, shape);
    const QRectF inside = middle.adjusted(half, half, -half, -half);
    if (inside.isValid())
        FillOnDevice(inside, fill, shape);
}

// A square box lies on whole device pixels and needs no smoothing.
void OutlineBrush::FillOnDevice(const QRectF& area, QRgb colour, Box shape) {
    if (shape == Box::Square) {
        painter_.fillRect(area.toRect(), QColor::fromRgb(colour));
        return;
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor::fromRgb(colour));
    painter_.drawEllipse(area);
}

void OutlineBrush::Plain(const QRect& box, QRgb fill) {
    painter_.fillRect(grid_ ? grid_->DeviceRect(box) : box, QColor::fromRgb(fill));
}

void OutlineBrush::Dot(QPoint at, QRgb colour) {
    Plain(QRect(at, QSize(1, 1)), colour);
}

void OutlineBrush::Polyline(const QPolygon& line, QRgb colour) {
    if (grid_) {
        PolylineOnDevice(OnDevice(line), colour);
        return;
    }
    painter_.setPen(QColor::fromRgb(colour));
    painter_.drawPolyline(line);
}

void OutlineBrush::Polyline(const RoundedPolygon& line, QRgb colour) {
    if (grid_) {
        PolylineOnDevice(OnDevice(line), colour);
        return;
    }
    Polyline(line.points, colour);
}

void OutlineBrush::PolylineOnDevice(const QPolygonF& line, QRgb colour) {
    painter_.setPen(QPen(QColor::fromRgb(colour), grid_->LineWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.drawPolyline(line);
}

void OutlineBrush::UseOutlineAndFill(QRgb fill) {
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

QPolygonF OutlineBrush::OnDevice(const RoundedPolygon& shape) const {
    const QPolygonF points = OnDevice(shape.points);
    const qsizetype count = points.size();
    const auto middle = [&](qsizetype a, qsizetype b) { return (points[a % count] + points[b % count]) / 2; };
    QPolygonF device;
    for (qsizetype i = 0; i < count; ++i) {
        if (i < shape.firstRound || i > shape.lastRound)
            AppendUnlessRepeated(device, points[i]);
        else
            AppendRoundCorner(device, middle(i + count - 1, i), points[i], middle(i, i + 1));
    }
    if (device.size() > 1 && device.last() == device.first())
        device.removeLast();
    return device;
}

QRectF OutlineBrush::OnDevice(const QRect& box) const {
    return QRectF(grid_->LinePoint(box.topLeft()), grid_->LinePoint(box.bottomRight()));
}

}  // namespace tolvane

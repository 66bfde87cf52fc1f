#include "fine_outline.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {

// Qt gives a curve its most segments from about this size on.
constexpr double kFineSize = 1024;

// The power of two that makes both outlines together at least kFineSize
// across.
double FineScale(const QPainterPath& a, const QPainterPath& b) {
    const QRectF bounds = a.boundingRect().united(b.boundingRect());
    const double across = std::max(bounds.width(), bounds.height());
    if (!(across > 0))
        return 1;
    return std::exp2(std::max(0.0, std::ceil(std::log2(kFineSize / across))));
}

}  // namespace

FineOutline::FineOutline(QPainterPath path) : path_(std::move(path)) {}

FineOutline FineOutline::United(const QPainterPath& other) const {
    return Combined(Operation::Unite, other);
}

FineOutline FineOutline::Subtracted(const QPainterPath& bite) const {
    return Combined(Operation::Subtract, bite);
}

FineOutline FineOutline::Intersected(const QPainterPath& clip) const {
    return Combined(Operation::Intersect, clip);
}

FineOutline FineOutline::Combined(Operation operation, const QPainterPath& other) const {
    const double scale = FineScale(path_, other);
    const QTransform up = QTransform::fromScale(scale, scale);
    const QPainterPath a = up.map(path_), b = up.map(other);
    QPainterPath fine;
    switch (operation) {
    case Operation::Unite: fine = a.united(b); break;
    case Operation::Subtract: fine = a.subtracted(b); break;
    case Operation::Intersect: fine = a.intersected(b); break;
    }
    return FineOutline(QTransform::fromScale(1 / scale, 1 / scale).map(fine));
}

}  // namespace tolvane

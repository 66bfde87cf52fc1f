#include "scaled_outline.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tolvane {

namespace {

constexpr double kFineSize = 1024;

double FineScale(const QPainterPath& path) {
    const QRectF bounds = path.boundingRect();
    const double across = std::max(bounds.width(), bounds.height());
    if (!(across > 0))
        return 1;
    return std::exp2(std::max(0.0, std::ceil(std::log2(kFineSize / across))));
}

}  // namespace

ScaledOutline::ScaledOutline(QPainterPath path, double scale) : path_(std::move(path)), scale_(scale) {
    if (!(scale > 0) || !std::isfinite(scale))
        throw std::invalid_argument("outline scale " + std::to_string(scale) + " is not a positive number");
}

ScaledOutline ScaledOutline::Fine(QPainterPath path) {
    const double scale = FineScale(path);
    return ScaledOutline(std::move(path), scale);
}

ScaledOutline ScaledOutline::Subtracted(const QPainterPath& bite) const {
    return Combined(Operation::Subtract, bite);
}

ScaledOutline ScaledOutline::Intersected(const QPainterPath& clip) const {
    return Combined(Operation::Intersect, clip);
}

ScaledOutline ScaledOutline::Combined(Operation operation, const QPainterPath& other) const {
    // A scale of one maps each path to itself, untouched.
    const QTransform up = QTransform::fromScale(scale_, scale_);
    const QPainterPath a = up.map(path_), b = up.map(other);
    QPainterPath answer;
    switch (operation) {
    case Operation::Subtract: answer = a.subtracted(b); break;
    case Operation::Intersect: answer = a.intersected(b); break;
    }
    return ScaledOutline(QTransform::fromScale(1 / scale_, 1 / scale_).map(answer), scale_);
}

}  // namespace tolvane

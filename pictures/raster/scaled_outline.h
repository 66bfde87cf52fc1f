#pragma once

#include <QPainterPath>

namespace tolvane {

// Outlines cut or clipped with their curves kept smooth.
//
// Qt's path operations (subtracted, intersected and the like) return straight
// segments only, the more of them the larger a curve is in the path's own
// units: a circle of radius one comes back an octagon, 8% of its radius off
// the curve, while one of radius ten keeps within a twentieth of a unit. A
// ScaledOutline does each operation on its paths scaled `scale` times and
// scales the answer back. Scaled to the device pixels an outline is drawn
// in, curves ten pixels in radius or more keep within a twentieth of a
// pixel; scaled by one, the answer is Qt's own, unchanged.
class ScaledOutline {
public:
    ScaledOutline(QPainterPath path, double scale);

    // At a power of two that makes `path` at least a thousand units across,
    // so that the round trip moves no point: smooth at any size it is drawn.
    static ScaledOutline Fine(QPainterPath path);

    ScaledOutline Subtracted(const QPainterPath& bite) const;
    ScaledOutline Intersected(const QPainterPath& clip) const;

    const QPainterPath& Path() const { return path_; }

private:
    enum class Operation { Subtract, Intersect };
    ScaledOutline Combined(Operation operation, const QPainterPath& other) const;

    QPainterPath path_;
    double scale_;
};

}  // namespace tolvane

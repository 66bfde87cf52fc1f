#pragma once

#include <QPainterPath>

namespace tolvane {

// Outlines joined, cut or clipped with their curves kept smooth.
//
// Qt's path operations (united, subtracted, intersected) return straight
// segments only, as many to a curve as the curve is units across, up to 64:
// a circle a few units wide comes back an octagon, which shows as facets once
// it is drawn large. A ScaledOutline does each operation on its paths scaled
// `scale` times and scales the answer back. Scaled to the device pixels they
// are drawn in, no segment strays a tenth of a pixel from its curve; scaled
// by one, the answer is Qt's own, unchanged.
class ScaledOutline {
public:
    ScaledOutline(QPainterPath path, double scale);

    // At a power of two that makes `path` at least a thousand units across,
    // so the round trip moves no point: as smooth as Qt's operations go, for
    // an outline drawn at any size.
    static ScaledOutline Fine(QPainterPath path);

    ScaledOutline United(const QPainterPath& other) const;
    ScaledOutline Subtracted(const QPainterPath& bite) const;
    ScaledOutline Intersected(const QPainterPath& clip) const;

    const QPainterPath& Path() const { return path_; }

private:
    enum class Operation { Unite, Subtract, Intersect };
    ScaledOutline Combined(Operation operation, const QPainterPath& other) const;

    QPainterPath path_;
    double scale_;
};

}  // namespace tolvane

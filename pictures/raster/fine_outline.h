#pragma once

#include <QPainterPath>

namespace tolvane {

// Outlines joined, cut or clipped with their curves kept smooth at any size.
//
// Qt's path operations (united, subtracted, intersected) return straight
// segments only, a number per curve that grows with the curve's size in the
// path's own units; a circle a few units wide comes back an octagon, which
// shows as facets once the outline is drawn large. A FineOutline does each
// operation at a scale where every curve is at least a thousand units
// across, and scales the answer back: a power of two, so the round trip
// moves no point. What comes back is still made of straight segments, but of
// so many that none strays visibly from its curve at any density.
class FineOutline {
public:
    explicit FineOutline(QPainterPath path);

    FineOutline United(const QPainterPath& other) const;
    FineOutline Subtracted(const QPainterPath& bite) const;
    FineOutline Intersected(const QPainterPath& clip) const;

    const QPainterPath& Path() const { return path_; }

private:
    enum class Operation { Unite, Subtract, Intersect };
    FineOutline Combined(Operation operation, const QPainterPath& other) const;

    QPainterPath path_;
};

}  // namespace tolvane

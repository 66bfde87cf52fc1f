#pragma once

#include <QPainterPath>

namespace tolvane {

// Outlines joined, cut or clipped with their curves kept smooth.
//
// Qt's path operations (united, subtracted, intersected) return straight
// segments only, each as far as a fifth of a unit from its curve: in a unit
// square a circle comes back an octagon, and outlines a few units wide show
// facets once drawn large. A ScaledOutline does each operation on its paths
// scaled up and scales the answer back.
class ScaledOutline {
public:
    // At a power of two that makes `path` at least a thousand units across,
    // so that the round trip moves no point and the answer keeps within a
    // five-thousandth of the outline's size of every curve: smooth at any
    // size it is drawn at.
    static ScaledOutline Fine(QPainterPath path);

    // For an outline drawn at `deviceScale` device pixels to its unit: Fine,
    // except at one device pixel to a unit, where Qt's own answer stays, as
    // the pictures drawn at that scale have always been made of it.
    static ScaledOutline ForDevice(QPainterPath path, double deviceScale);

    ScaledOutline United(const QPainterPath& other) const;
    ScaledOutline Subtracted(const QPainterPath& bite) const;
    ScaledOutline Intersected(const QPainterPath& clip) const;

    const QPainterPath& Path() const { return path_; }

private:
    ScaledOutline(QPainterPath path, double scale);

    enum class Operation { Unite, Subtract, Intersect };
    ScaledOutline Combined(Operation operation, const QPainterPath& other) const;

    QPainterPath path_;
    double scale_;
};

}  // namespace tolvane

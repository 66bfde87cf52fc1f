#pragma once

#include <QPolygonF>

namespace tolvane {

// The area `shape` encloses, positive if it runs clockwise on a device
// whose y runs down, negative if it runs the other way.
double SignedArea(const QPolygonF& shape);

}  // namespace tolvane

#include "signed_area.h"

namespace tolvane {

double SignedArea(const QPolygonF& shape) {
    double twice = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QPointF a = shape[i], b = shape[(i + 1) % shape.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return twice / 2;
}

}  // namespace tolvane

#include "card_grid.h"

#include <algorithm>
#include <cmath>

#include "card_geometry.h"
#include "raster/density.h"

namespace tolvane {

namespace {

// A line of odd width has its middle on a pixel's middle, one of even width
// on a pixel edge.
double SnapLine(double device, int width) {
    return width % 2 == 1 ? std::floor(device) + 0.5 : std::round(device);
}

// The whole device length nearest `logical` * `scale` that leaves the same
// parity of pixels on either side as the logical length does on the card.
int CentringLength(int logical, int logicalCard, double scale, int deviceCard) {
    const int nearest = static_cast<int>(std::lround(logical * scale));
    const bool sameParity = (deviceCard - nearest) % 2 == (logicalCard - logical) % 2;
    if (sameParity)
        return nearest;
    return logical * scale > nearest ? nearest + 1 : nearest - 1;
}

// The start of a box of `length` centred at `centre` on an axis of `extent`
// device pixels; a box past the middle is placed as the mirror of its
// opposite one.
int CentredStart(double centre, double logicalExtent, double scale, int length, int extent) {
    const auto start = [&](double c) { return static_cast<int>(std::lround(c * scale - length / 2.0)); };
    if (centre <= logicalExtent / 2)
        return start(centre);
    return extent - start(logicalExtent - centre) - length;
}

}  // namespace

CardGrid::CardGrid(double ratio)
    : device_(DenseImageSize(kCardSize, ratio)),
      scaleX_(static_cast<double>(device_.width()) / kCardSize.width()),
      scaleY_(static_cast<double>(device_.height()) / kCardSize.height()),
      lineWidth_(std::max(1, static_cast<int>(std::lround(ratio)))) {}

int CardGrid::EdgeX(double x) const {
    return static_cast<int>(std::lround(x * scaleX_));
}

int CardGrid::EdgeY(double y) const {
    return static_cast<int>(std::lround(y * scaleY_));
}

QRect CardGrid::DeviceRect(const QRect& logical) const {
    return QRect(QPoint(EdgeX(logical.left()), EdgeY(logical.top())),
                 QPoint(EdgeX(logical.left() + logical.width()) - 1, EdgeY(logical.top() + logical.height()) - 1));
}

QRect CardGrid::CentredBox(QPointF centre, QSize logical) const {
    const int width = CentringLength(logical.width(), kCardSize.width(), scaleX_, device_.width());
    const int height = CentringLength(logical.height(), kCardSize.height(), scaleY_, device_.height());
    return QRect(CentredStart(centre.x(), kCardSize.width(), scaleX_, width, device_.width()),
                 CentredStart(centre.y(), kCardSize.height(), scaleY_, height, device_.height()), width,
                 height);
}

double CardGrid::LineX(double x) const {
    return SnapLine((x + 0.5) * scaleX_, lineWidth_);
}

double CardGrid::LineY(double y) const {
    return SnapLine((y + 0.5) * scaleY_, lineWidth_);
}

}  // namespace tolvane

#include "device_grid.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "density.h"

namespace tolvane {

namespace {

// One axis of the grid: `logical` pixels spread over `device` ones.
struct Axis {
    int logical;
    int device;
    double scale;

    bool InFarHalf(double at) const { return at * 2 > logical; }

    int Edge(double at) const {
        if (InFarHalf(at))
            return device - Nearest(logical - at);
        return Nearest(at);
    }

    int Nearest(double at) const { return static_cast<int>(std::lround(at * scale)); }

    // A line of odd width has its middle on a pixel's middle, one of even
    // width on a pixel edge; a line in the far half is placed as the mirror
    // of the one along the opposite pixel.
    double Line(double pixel, int width) const {
        if (InFarHalf(pixel + 0.5))
            return device - Line(logical - 1 - pixel, width);
        const double middle = (pixel + 0.5) * scale;
        return width % 2 == 1 ? std::floor(middle) + 0.5 : std::round(middle);
    }

    // The device length nearest `length` that leaves the same parity of
    // pixels on either side as the logical length does.
    int CentringLength(int length) const {
        const int nearest = Nearest(length);
        if ((device - nearest) % 2 == (logical - length) % 2)
            return nearest;
        return length * scale > nearest ? nearest + 1 : nearest - 1;
    }

    int Start(double centre, int length) const {
        const auto start = [&](double c) { return static_cast<int>(std::lround(c * scale - length / 2.0)); };
        if (InFarHalf(centre))
            return device - start(logical - centre) - length;
        return start(centre);
    }
};

double CheckedRatio(QSize logical, double ratio) {
    if (!std::isfinite(ratio) || ratio < 1)
        throw std::invalid_argument("device pixel ratio " + RatioText(ratio) + " is not a number of at least 1");
    if (logical.isEmpty())
        throw std::invalid_argument("picture size " + std::to_string(logical.width()) + " x " +
                                    std::to_string(logical.height()) + " is empty");
    return ratio;
}

Axis Across(const DeviceGrid& grid) {
    return {grid.LogicalSize().width(), grid.DeviceSize().width(), grid.ScaleX()};
}

Axis Down(const DeviceGrid& grid) {
    return {grid.LogicalSize().height(), grid.DeviceSize().height(), grid.ScaleY()};
}

// The nearest whole number of device pixels, never less than one, a half
// rounded down.
int WholeRoundingHalfDown(double device) {
    return std::max(1, static_cast<int>(std::ceil(device - 0.5)));
}

}  // namespace

DeviceGrid::DeviceGrid(QSize logical, double ratio)
    : logical_(logical),
      ratio_(CheckedRatio(logical, ratio)),
      device_(DenseImageSize(logical, ratio)),
      scaleX_(static_cast<double>(device_.width()) / logical.width()),
      scaleY_(static_cast<double>(device_.height()) / logical.height()) {}

int DeviceGrid::EdgeX(double x) const {
    return Across(*this).Edge(x);
}

int DeviceGrid::EdgeY(double y) const {
    return Down(*this).Edge(y);
}

QRect DeviceGrid::DeviceRect(const QRectF& logical) const {
    return QRect(QPoint(EdgeX(logical.left()), EdgeY(logical.top())),
                 QPoint(EdgeX(logical.right()) - 1, EdgeY(logical.bottom()) - 1));
}

QRect DeviceGrid::UpperHalf() const {
    return QRect(0, 0, device_.width(), (device_.height() + 1) / 2);
}

QRect DeviceGrid::CentredBox(QPointF centre, QSize logical) const {
    return BoxAt(centre, QSize(Across(*this).CentringLength(logical.width()),
                               Down(*this).CentringLength(logical.height())));
}

QRect DeviceGrid::BoxAt(QPointF centre, QSize device) const {
    return QRect(Across(*this).Start(centre.x(), device.width()), Down(*this).Start(centre.y(), device.height()),
                 device.width(), device.height());
}

int DeviceGrid::BoxLength(double logical) const {
    return WholeRoundingHalfDown(logical * ratio_);
}

int DeviceGrid::LineWidth(double logicalWidth) const {
    return std::max(1, static_cast<int>(std::lround(logicalWidth * ratio_)));
}

int DeviceGrid::OddLineWidth(double logicalWidth) const {
    return 2 * static_cast<int>(std::lround((logicalWidth * ratio_ - 1) / 2)) + 1;
}

double DeviceGrid::LineX(double x) const {
    return Across(*this).Line(x, LineWidth());
}

double DeviceGrid::LineY(double y) const {
    return Down(*this).Line(y, LineWidth());
}

}  // namespace tolvane

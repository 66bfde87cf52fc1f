#include "window_layout.h"

#include <QPaintDevice>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tolvane {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int ToPixels(int twips, double dotsPerInch) {
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

}  // namespace

const TwipRect& PlaceOf(std::string_view control) {
    for (const ControlPlace& place : kControlPlaces)
        if (control == place.control)
            return place.twips;
    throw std::out_of_range("the layout has no control \"" + std::string(control) + "\"");
}

double TextScale(double lineHeight, const QPaintDevice& device) {
    const double lineHeightTwips = lineHeight * kTwipsPerInch / device.logicalDpiY();
    return std::max(1.0, lineHeightTwips / kLineHeightTwips);
}

QRect TwipsToPixels(const TwipRect& twips, const QPaintDevice& device, double scale) {
    const double dpiX = device.logicalDpiX() * scale;
    const double dpiY = device.logicalDpiY() * scale;
    return QRect(ToPixels(twips.left, dpiX), ToPixels(twips.top, dpiY),
                 ToPixels(twips.width, dpiX), ToPixels(twips.height, dpiY));
}

}  // namespace tolvane

#include "window_layout.h"

#include <QPaintDevice>

namespace tolvane {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int ToPixels(int twips, int dotsPerInch) {
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

}  // namespace

QRect TwipsToPixels(const TwipRect& twips, const QPaintDevice& device) {
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    return QRect(ToPixels(twips.left, dpiX), ToPixels(twips.top, dpiY),
                 ToPixels(twips.width, dpiX), ToPixels(twips.height, dpiY));
}

}  // namespace tolvane

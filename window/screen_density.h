#pragma once

#include <QWidget>

#include <algorithm>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// The density to draw pictures for `widget` at: its screen's, kept inside
// the range pictures are drawn for. Below it Qt shrinks the picture, above
// it Qt enlarges the densest one.
inline double PictureRatioFor(const QWidget& widget) {
    return std::clamp(widget.devicePixelRatioF(), kLeastDevicePixelRatio, kGreatestDevicePixelRatio);
}

}  // namespace tolvane

#pragma once

#include <QWidget>

#include <algorithm>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// The density to draw pictures for `widget` at, shown `zoom` times their
// own size: its screen's times the zoom, kept inside the range pictures are
// drawn for. Below it Qt shrinks the picture, above it Qt enlarges the
// densest one.
inline double PictureRatioFor(const QWidget& widget, double zoom = 1) {
    return std::clamp(widget.devicePixelRatioF() * zoom, kLeastDevicePixelRatio, kGreatestDevicePixelRatio);
}

}  // namespace tolvane

#pragma once

#include <QImage>
#include <QSize>

// Pictures are laid out in logical pixels and drawn at the screen's density:
// `ratio` device pixels to one logical pixel each way, 1 <= ratio <= 4.
namespace tolvane {

// lround(width * ratio) x lround(height * ratio).
QSize DenseImageSize(QSize logical, double ratio);

// An image of DenseImageSize(logical, ratio) device pixels in `format`, its
// devicePixelRatio set to `ratio` so Qt shows it at the logical size.
// Its pixels are not initialised.
QImage DenseImage(QSize logical, double ratio, QImage::Format format);

// Stand-in while a layer learns to draw at density: `picture` enlarged.
// Never used for a finished layer.
QImage EnlargedStandIn(const QImage& picture, double ratio);

}  // namespace tolvane

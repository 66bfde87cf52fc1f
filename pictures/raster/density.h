#pragma once

#include <QImage>
#include <QSize>

#include <string>

// Pictures are laid out in logical pixels and drawn at the screen's density:
// `ratio` device pixels to one logical pixel each way, 1 <= ratio <= 12.
namespace tolvane {

// Whether a picture at `ratio` is drawn as it has always been at one device
// pixel to a logical pixel (the faces and extras from their pixel art)
// rather than from its shapes at the device's density.
bool IsPixelForPixel(double ratio);

// The shortest text that reads back as exactly `ratio`, for messages: 0.99
// reads "0.99", yet a ratio just outside a range is not rounded into it.
std::string RatioText(double ratio);

// lround(width * ratio) x lround(height * ratio).
QSize DenseImageSize(QSize logical, double ratio);

// An image of DenseImageSize(logical, ratio) device pixels in `format`, its
// devicePixelRatio set to `ratio` so Qt shows it at the logical size.
// Its pixels are not initialised.
QImage DenseImage(QSize logical, double ratio, QImage::Format format);

}  // namespace tolvane

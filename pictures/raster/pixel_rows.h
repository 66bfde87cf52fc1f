#pragma once

#include <QImage>
#include <QRgb>

#include <type_traits>

namespace tolvane {

// The rows of a 32-bit picture as arrays of pixels, for loops that touch
// every pixel: QImage::scanLine and setPixel check for sharing on each call,
// which costs more than the write itself.
template <typename Byte>
class PixelRows {
public:
    using Pixel = std::conditional_t<std::is_const_v<Byte>, const QRgb, QRgb>;

    explicit PixelRows(Byte* bits, qsizetype bytesPerLine) : bits_(bits), bytesPerLine_(bytesPerLine) {}

    Pixel* operator[](int y) const { return reinterpret_cast<Pixel*>(bits_ + y * bytesPerLine_); }

private:
    Byte* bits_;
    qsizetype bytesPerLine_;
};

// Throws std::invalid_argument naming the format of `image` unless its pixels
// are 32-bit RGB or ARGB (premultiplied or not), the only ones whose rows
// hold a QRgb per pixel.
void CheckRowFormat(const QImage& image);

// Rows to write, detaching `image` once; rows to read from `image`. Both
// check the format first, so no row is ever read or written past its end.
inline PixelRows<uchar> WritableRows(QImage& image) {
    CheckRowFormat(image);
    return PixelRows<uchar>(image.bits(), image.bytesPerLine());
}

inline PixelRows<const uchar> ReadableRows(const QImage& image) {
    CheckRowFormat(image);
    return PixelRows<const uchar>(image.constBits(), image.bytesPerLine());
}

}  // namespace tolvane

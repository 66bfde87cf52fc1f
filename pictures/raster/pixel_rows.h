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

// Rows to write, detaching `image` once; rows to read from `image`.
inline PixelRows<uchar> WritableRows(QImage& image) {
    return PixelRows<uchar>(image.bits(), image.bytesPerLine());
}

inline PixelRows<const uchar> ReadableRows(const QImage& image) {
    return PixelRows<const uchar>(image.constBits(), image.bytesPerLine());
}

}  // namespace tolvane

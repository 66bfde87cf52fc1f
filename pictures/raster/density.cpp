#include "density.h"

#include <charconv>
#include <cmath>

namespace tolvane {

bool IsPixelForPixel(double ratio) {
    return ratio == 1;
}

std::string RatioText(double ratio) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, ratio);
    return std::string(text, written.ptr);
}

QSize DenseImageSize(QSize logical, double ratio) {
    return QSize(static_cast<int>(std::lround(logical.width() * ratio)),
                 static_cast<int>(std::lround(logical.height() * ratio)));
}

QImage DenseImage(QSize logical, double ratio, QImage::Format format) {
    QImage image(DenseImageSize(logical, ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace tolvane

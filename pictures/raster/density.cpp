#include "density.h"

#include <cmath>

namespace tolvane {

bool IsPixelForPixel(double ratio) {
    return ratio == 1;
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

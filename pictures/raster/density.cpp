#include "density.h"

#include <cmath>

namespace tolvane {

QSize DenseImageSize(QSize logical, double ratio) {
    return QSize(static_cast<int>(std::lround(logical.width() * ratio)),
                 static_cast<int>(std::lround(logical.height() * ratio)));
}

QImage DenseImage(QSize logical, double ratio, QImage::Format format) {
    QImage image(DenseImageSize(logical, ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage EnlargedStandIn(const QImage& picture, double ratio) {
    QImage enlarged = picture.scaled(DenseImageSize(picture.size(), ratio), Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
    enlarged.setDevicePixelRatio(ratio);
    return enlarged;
}

}  // namespace tolvane

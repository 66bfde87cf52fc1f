#include "image_box.h"

#include <QPainter>

namespace tolvane {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::SetPicture(const QImage& picture, const QString& description) {
    picture_ = picture;
    resize(picture_.size());
    setAccessibleDescription(description);
    update();
}

const QImage& ImageBox::Picture() const {
    return picture_;
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    // No smooth transform: on a high-density screen each picture pixel
    // becomes a crisp block rather than a blur.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace tolvane

#include "image_box.h"

#include <QPixmap>

namespace tolvane {

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageBox::SetPicture(const QImage& picture, const QString& description) {
    picture_ = picture;
    // Drawn unscaled: on a high-density screen each picture pixel becomes a
    // crisp block rather than a blur.
    setPixmap(QPixmap::fromImage(picture_));
    resize(picture_.size());
    setToolTip(description);
    setAccessibleDescription(description);  // tells screen readers of the change
}

const QImage& ImageBox::Picture() const {
    return picture_;
}

}  // namespace tolvane

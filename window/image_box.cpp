#include "image_box.h"

#include <QAccessible>
#include <QEvent>
#include <QPixmap>

#include "accessible_image.h"
#include "screen_density.h"

namespace tolvane {

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(AccessibleImageBoxes), true);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageBox::ShowPicture(PictureId id, const QString& description) {
    id_ = id;
    FetchForScreen();
    setToolTip(description);
    setAccessibleDescription(description);  // tells screen readers of the change
}

const QImage& ImageBox::Picture() const {
    return picture_;
}

void ImageBox::FetchForScreen() {
    picture_ = FetchPicture(id_, PictureRatioFor(*this));
    // Shown one device pixel to one: drawn for the screen, never scaled.
    setPixmap(QPixmap::fromImage(picture_));
    // lround(w * r) / r lies within half a pixel of w: the picture's own size.
    resize(picture_.deviceIndependentSize().toSize());
}

void ImageBox::FollowScreen() {
    if (id_ != 0 && picture_.devicePixelRatio() != PictureRatioFor(*this))
        FetchForScreen();
}

// Qt tells every widget of the window's move to another screen. A change of
// scale on the same screen repaints the whole window, so painting checks too.
bool ImageBox::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        FollowScreen();
    return QLabel::event(event);
}

void ImageBox::paintEvent(QPaintEvent* event) {
    FollowScreen();
    QLabel::paintEvent(event);
}

}  // namespace tolvane

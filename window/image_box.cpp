#include "image_box.h"

#include <QAccessible>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

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

// The window's handle exists once the window is shown. Qt's scaling follows
// the screen's logical density (its physical one under QT_USE_PHYSICAL_DPI),
// and a screen of another scale comes with the window's screen change.
void ImageBox::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    QWindow* handle = window()->windowHandle();
    connect(handle, &QWindow::screenChanged, this, &ImageBox::WatchScreen, Qt::UniqueConnection);
    WatchScreen(handle->screen());
}

void ImageBox::WatchScreen(QScreen* screen) {
    if (screen != watched_ && watched_)
        disconnect(watched_, nullptr, this, nullptr);
    if (screen != watched_ && screen) {
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ImageBox::FollowScreen);
        connect(screen, &QScreen::physicalDotsPerInchChanged, this, &ImageBox::FollowScreen);
    }
    watched_ = screen;
    FollowScreen();
}

}  // namespace tolvane

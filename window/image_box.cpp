#include "image_box.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "accessible_image.h"
#include "last_fetched.h"
#include "picture_transfer.h"
#include "screen_density.h"

namespace tolvane {

ImageBox::ImageBox(QWidget* parent, std::shared_ptr<LastFetched> pictures, std::shared_ptr<PictureFolder> folder)
    : QLabel(parent), pictures_(std::move(pictures)), folder_(std::move(folder)) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(AccessibleImageBoxes), true);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* copy = new QAction(QStringLiteral("Copy"), this);
    connect(copy, &QAction::triggered, this, &ImageBox::CopyPicture);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
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

void ImageBox::SetZoom(double zoom) {
    zoom_ = zoom;
    if (id_ != 0)
        FetchForScreen();
}

void ImageBox::CopyPicture() const {
    if (id_ == 0)
        return;
    auto* data = new QMimeData;
    PutPicture(*data, id_, picture_);
    QGuiApplication::clipboard()->setMimeData(data);
}

void ImageBox::FetchForScreen() {
    picture_ = pictures_->Fetch(id_, PictureRatioFor(*this, zoom_));
    // Shown one device pixel to one: drawn for the screen, never scaled.
    // Where the screen asks for more than pictures are drawn for, Qt
    // enlarges the densest one to the same size.
    QPixmap shown = QPixmap::fromImage(picture_);
    shown.setDevicePixelRatio(picture_.devicePixelRatio() / zoom_);
    setPixmap(shown);
    // lround(w * r) / r lies within half a pixel of w: the picture's own size, zoomed.
    resize(shown.deviceIndependentSize().toSize());
}

void ImageBox::FollowScreen() {
    if (id_ != 0 && picture_.devicePixelRatio() != PictureRatioFor(*this, zoom_))
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

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    pressedAt_ = event->position().toPoint();
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    const int moved = (event->position().toPoint() - pressedAt_).manhattanLength();
    const bool dragging = event->buttons().testFlag(Qt::LeftButton) && moved >= QApplication::startDragDistance();
    if (!dragging || id_ == 0)
        return QLabel::mouseMoveEvent(event);
    DragPicture();
}

// The picture goes with the pointer at the place it was taken by.
void ImageBox::DragPicture() {
    auto* drag = new QDrag(this);  // Qt deletes it once the drop is done with
    drag->setMimeData(new DraggedPicture(id_, picture_, folder_));
    drag->setPixmap(pixmap());
    drag->setHotSpot(pressedAt_);
    drag->exec(Qt::CopyAction);
}

}  // namespace tolvane

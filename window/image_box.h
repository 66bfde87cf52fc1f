#pragma once

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QPointer>

#include <memory>

#include "pictures/picture_catalogue.h"

namespace tolvane {

class LastFetched;
class PictureFolder;

// A borderless area showing one picture at its own size in the window's
// pixels, times the window's zoom, top-left corner at the box's top-left.
// The box takes the picture's size, so what a smaller picture leaves
// uncovered shows the window behind. It never takes keyboard focus. Being a
// label showing a picture, screen readers meet it as an image, described by
// what it shows.
// The picture is drawn for the density of the screen the box is on times
// the zoom (as far as pictures are drawn for), not enlarged from fewer
// pixels, and drawn again when either changes: the window moved to another
// screen, the screen's scale changed, or the window zoomed. Never while
// painting: a new picture resizes the box.
// Pictures come through `pictures`, which the window's boxes share.
// Its context menu's Copy puts the picture on the clipboard; dragged with
// the mouse it drops the picture on another program, as a file written to
// `folder` where the program asks for one. A click does nothing.
class ImageBox final : public QLabel {
    Q_OBJECT

public:
    ImageBox(QWidget* parent, std::shared_ptr<LastFetched> pictures, std::shared_ptr<PictureFolder> folder);

    // `description` says what the picture shows: screen readers read it as
    // the image's description and text, and the tooltip reads the same words.
    void ShowPicture(PictureId id, const QString& description);
    const QImage& Picture() const;  // as drawn for the screen and the zoom
    // `zoom` is 1 at the window's own size.
    void SetZoom(double zoom);
    // Puts the picture shown, as drawn, and its subject as text on the
    // clipboard; nothing while the box is empty.
    void CopyPicture() const;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FetchForScreen();
    void FollowScreen();
    void WatchScreen(QScreen* screen);
    void DragPicture();

    PictureId id_ = 0;  // 0 until a picture is shown
    QImage picture_;
    double zoom_ = 1;
    QPointer<QScreen> watched_;  // whose scale the picture follows
    std::shared_ptr<LastFetched> pictures_;
    std::shared_ptr<PictureFolder> folder_;
    QPoint pressedAt_;  // where the left button went down
};

}  // namespace tolvane

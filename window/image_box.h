#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// A borderless area showing one picture at its own size in the window's
// pixels, top-left corner at the box's top-left. The box takes the
// picture's size, so what a smaller picture leaves uncovered shows the
// window behind. It never takes keyboard focus. Being a label showing a
// picture, screen readers meet it as an image, described by what it shows.
// The picture is drawn for the density of the screen the box is on, and
// drawn again when that changes: the window moved to another screen, or the
// screen's scale changed. Never while painting: a new picture resizes the box.
class ImageBox final : public QLabel {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent);

    // `description` says what the picture shows: screen readers read it as
    // the image's description and text, and the tooltip reads the same words.
    void ShowPicture(PictureId id, const QString& description);
    const QImage& Picture() const;  // as drawn for the screen

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FetchForScreen();
    void FollowScreen();
    void WatchScreen(QScreen* screen);

    PictureId id_ = 0;  // 0 until a picture is shown
    QImage picture_;
    QPointer<QScreen> watched_;  // whose scale the picture follows
};

}  // namespace tolvane

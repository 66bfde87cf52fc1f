#pragma once

#include <QImage>
#include <QLabel>

namespace tolvane {

// A borderless area showing one picture at its own pixel size, top-left
// corner at the box's top-left. The box takes the picture's size, so what a
// smaller picture leaves uncovered shows the window behind. It never takes
// keyboard focus. Being a label showing a picture, screen readers meet it as
// an image, described by what it shows.
class ImageBox final : public QLabel {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent);

    // `description` says what the picture shows: screen readers announce it
    // as soon as it changes, and the tooltip reads the same words.
    void SetPicture(const QImage& picture, const QString& description);
    const QImage& Picture() const;

private:
    QImage picture_;
};

}  // namespace tolvane

#pragma once

#include <QImage>
#include <QWidget>

namespace tolvane {

// A borderless area showing one picture at its own pixel size, top-left
// corner at the box's top-left. The box takes the picture's size, so what a
// smaller picture leaves uncovered shows the window behind. It never takes
// keyboard focus.
class ImageBox final : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent);

    // `description` says what the picture shows, for screen readers.
    void SetPicture(const QImage& picture, const QString& description);
    const QImage& Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace tolvane

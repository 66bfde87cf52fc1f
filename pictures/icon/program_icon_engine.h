#pragma once

#include <QIcon>
#include <QIconEngine>

#include <vector>

namespace tolvane {

// The program icon drawn when someone asks for it: an image is drawn only
// for the size asked for, once, and kept. Chosen and scaled exactly as a
// QIcon holding every theme image would, so the pictures are the same.
class ProgramIconEngine final : public QIconEngine {
public:
    ProgramIconEngine() = default;

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

    // The edges of the images drawn so far, in the order they were drawn.
    std::vector<int> DrawnEdges() const;

private:
    ProgramIconEngine(const ProgramIconEngine&) = default;

    // The drawn images, with the one a request of `size` pixels needs.
    const QIcon& DrawnFor(QSize size);

    QIcon drawn_;
};

}  // namespace tolvane

#include "program_icon_engine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>


#include "pictures/icon/program_icon.h"

namespace tolvane {

namespace {

// The sizes the window offers a window manager that takes every size an icon
// has (X11) are those of the pixel images, as a title bar and a task list
// show them. Larger views take the theme icon the desktop entry names;
// drawing the larger images from shapes would cost more than the rest of
// the start.

// The theme image a QIcon holding all of them would pick for `size`: the
// smallest that covers it, or else the largest.
int BestEdge(QSize size) {
    const int area = size.width() * size.height();
    for (int edge : kThemeIconEdges)
        if (edge * edge >= area)
            return edge;
    return kThemeIconEdges.back();
}

}  // namespace

const QIcon& ProgramIconEngine::DrawnFor(QSize size) {
    const int edge = BestEdge(size);
    if (!drawn_.availableSizes().contains(QSize(edge, edge)))
        drawn_.addPixmap(QPixmap::fromImage(DrawThemeIcon(edge)));
    return drawn_;
}

QSize ProgramIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    QSize actual(BestEdge(size), BestEdge(size));
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return DrawnFor(size).pixmap(size, 1.0, mode, state);
}

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const QPaintDevice* device = painter->device();
    const double ratio = device != nullptr ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
    DrawnFor(rect.size() * ratio).paint(painter, rect, Qt::AlignCenter, mode, state);
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
        for (int edge : kPixelIconEdges)
            sizes.append(QSize(edge, edge));
    return sizes;
}

std::vector<int> ProgramIconEngine::DrawnEdges() const {
    std::vector<int> edges;
    for (const QSize& size : drawn_.availableSizes())
        edges.push_back(size.width());
    return edges;
}

QIconEngine* ProgramIconEngine::clone() const {
    return new ProgramIconEngine(*this);
}

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
}

}  // namespace tolvane

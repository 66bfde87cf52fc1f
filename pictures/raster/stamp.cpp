#include "stamp.h"

#include <QPainter>

#include <algorithm>

#include "pixel_rows.h"

namespace tolvane {

namespace {

// Stamps are drawn without antialiasing, so each pixel is either fully
// opaque or fully transparent.
bool IsOpaque(QRgb pixel) {
    return qAlpha(pixel) == 255;
}

}  // namespace

void Stamp(QImage& onto, const QImage& stamp, QPoint topLeft) {
    const auto ontoRows = WritableRows(onto);
    const QImage source = stamp.convertToFormat(QImage::Format_ARGB32);
    const QRect covered = onto.rect() & QRect(topLeft, source.size());
    const auto sourceRows = ReadableRows(source);
    const int left = covered.left(), right = covered.right();
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        const QRgb* from = sourceRows[y - topLeft.y()] - topLeft.x();
        QRgb* to = ontoRows[y];
        for (int x = left; x <= right; ++x)
            if (IsOpaque(from[x]))
                to[x] = from[x];
    }
}

QImage TurnedOver(const QImage& stamp) {
    return stamp.mirrored(true, true);
}

void CopyTurnedOver(QImage& card, const QRect& area) {
    const auto cardRows = WritableRows(card);
    const QRect inside = area & card.rect();
    // Read from a copy, so an area overlapping its opposite is not read after being written.
    const QImage original = card.copy(inside);
    const auto originalRows = ReadableRows(original);
    const int right = card.width() - 1, bottom = card.height() - 1;
    const int width = original.width(), height = original.height();
    for (int y = 0; y < height; ++y) {
        const QRgb* from = originalRows[y];
        QRgb* to = cardRows[bottom - inside.top() - y] + right - inside.left();
        for (int x = 0; x < width; ++x)
            to[-x] = from[x];
    }
}

QImage CutOut(const QImage& layer, const QRect& area) {
    const auto rows = ReadableRows(layer);
    const QRect within = area & layer.rect();
    int left = within.right() + 1, right = within.left() - 1, top = within.bottom() + 1, bottom = within.top() - 1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (rows[y][x] != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    if (left > right)
        return QImage();
    const QRect painted(QPoint(left, top), QPoint(right, bottom));
    QImage part = layer.copy(painted);
    part.setOffset(painted.topLeft());
    return part;
}

QImage Recoloured(const QImage& stamp, QRgb colour) {
    QImage recoloured = stamp.copy();
    recoloured.setOffset(stamp.offset());
    QPainter painter(&recoloured);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(recoloured.rect(), QColor::fromRgb(colour));
    return recoloured;
}

}  // namespace tolvane

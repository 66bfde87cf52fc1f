#include "stamp.h"

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

}  // namespace tolvane

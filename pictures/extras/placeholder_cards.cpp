#include "placeholder_cards.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "card_geometry.h"
#include "raster/palette.h"
#include "raster/pixel_rows.h"

namespace tolvane {

namespace {

// The card's outline runs along pixel centres.
const QRectF kCardOutline(0.5, 0.5, kCardSize.width() - 1, kCardSize.height() - 1);
constexpr double kCornerRadius = 5;
constexpr double kFrameInset = 4;

// The X: two bars crossing at the centre, each arm reaching this far along
// both axes, each bar this thick.
constexpr double kCrossReach = 21;
constexpr double kCrossThickness = 11;

constexpr double kRingOuterRadius = 23;
constexpr double kRingInnerRadius = 14;

QPainterPath Bar(QPointF from, QPointF to, double thickness) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF across = QPointF(-along.y(), along.x()) * (thickness / 2 / length);
    QPainterPath bar;
    bar.addPolygon(QPolygonF({from + across, to + across, to - across, from - across}));
    bar.closeSubpath();
    return bar;
}

QPainterPath Cross() {
    const QPointF toBottomRight(kCrossReach, kCrossReach);
    const QPointF toBottomLeft(-kCrossReach, kCrossReach);
    return Bar(kCardCentre - toBottomRight, kCardCentre + toBottomRight, kCrossThickness)
        .united(Bar(kCardCentre - toBottomLeft, kCardCentre + toBottomLeft, kCrossThickness));
}

QPainterPath Ring() {
    QPainterPath ring;
    ring.addEllipse(kCardCentre, kRingOuterRadius, kRingOuterRadius);
    ring.addEllipse(kCardCentre, kRingInnerRadius, kRingInnerRadius);
    return ring;
}

// QPainter's aliased curves and slants lean a pixel one way, so the card is
// made of its top-left quarter turned over into the other three; that keeps
// the X, the ring and the corners exactly alike on every side.
void MirrorTopLeftQuarter(QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const auto rows = WritableRows(image);
    for (int y = 0; y <= bottom; ++y) {
        const QRgb* quarterRow = rows[std::min(y, bottom - y)];
        for (int x = 0; x <= right; ++x)
            rows[y][x] = quarterRow[std::min(x, right - x)];
    }
}

// A green card with a black edge and a lighter frame just inside it; the
// corners outside the rounding stay white like the table around a card.
QImage GreenCard() {
    QImage card(kCardSize, QImage::Format_RGB32);
    card.fill(palette::White);
    QPainter painter(&card);
    painter.setPen(QColor(palette::Black));
    painter.setBrush(QColor(palette::Green));
    painter.drawRoundedRect(kCardOutline, kCornerRadius, kCornerRadius);
    painter.setPen(QColor(palette::Lime));
    painter.setBrush(Qt::NoBrush);
    const QRectF frame = kCardOutline.adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
    painter.drawRoundedRect(frame, kCornerRadius - 2, kCornerRadius - 2);
    return card;
}

QImage CardMarkedWith(const QPainterPath& mark, QRgb ink, QRgb edge) {
    // Both place-holders start from the same card, so it is drawn once.
    static const QImage kGreenCard = GreenCard();
    QImage card = kGreenCard;
    QPainter painter(&card);
    painter.setPen(QColor(edge));
    painter.setBrush(QColor(ink));
    painter.drawPath(mark);
    painter.end();
    MirrorTopLeftQuarter(card);
    return card;
}

}  // namespace

QImage DrawCrossPlaceholder() {
    return CardMarkedWith(Cross(), palette::Red, palette::Maroon);
}

QImage DrawRingPlaceholder() {
    return CardMarkedWith(Ring(), palette::Lime, palette::Black);
}

}  // namespace tolvane

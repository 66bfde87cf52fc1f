#include "placeholder_cards.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "card_geometry.h"
#include "dense_canvas.h"
#include "raster/density.h"
#include "raster/palette.h"
#include "raster/pixel_rows.h"

namespace tolvane {

namespace {

// The card's outline runs along pixel centres.
const QRectF kCardOutline(0.5, 0.5, kCardSize.width() - 1, kCardSize.height() - 1);
constexpr double kCornerRadius = 5;
constexpr double kFrameInset = 4;
constexpr double kFrameCornerRadius = 3;

// The X: two bars crossing at the centre, each arm reaching this far along
// both axes, each bar this thick.
constexpr double kCrossReach = 21;
constexpr double kCrossThickness = 11;

constexpr double kRingOuterRadius = 23;
constexpr double kRingInnerRadius = 14;

// A bar from `from` to `to`, `grow` longer at each end and `grow` wider on
// each side.
QPainterPath Bar(QPointF from, QPointF to, double thickness, double grow) {
    const QPointF along = to - from;
    const QPointF unit = along / std::hypot(along.x(), along.y());
    const QPointF across = QPointF(-unit.y(), unit.x()) * (thickness / 2 + grow);
    from -= unit * grow;
    to += unit * grow;
    QPainterPath bar;
    bar.addPolygon(QPolygonF({from + across, to + across, to - across, from - across}));
    bar.closeSubpath();
    return bar;
}

// The marks take a `grow`: how far their outline is moved out (or in, below
// 0), which gives the edge and the inside of a mark drawn as two fills.
QPainterPath Cross(QPointF centre, double grow) {
    const QPointF toBottomRight(kCrossReach, kCrossReach);
    const QPointF toBottomLeft(-kCrossReach, kCrossReach);
    return Bar(centre - toBottomRight, centre + toBottomRight, kCrossThickness, grow)
        .united(Bar(centre - toBottomLeft, centre + toBottomLeft, kCrossThickness, grow));
}

QPainterPath Ring(QPointF centre, double grow) {
    QPainterPath ring;
    ring.addEllipse(centre, kRingOuterRadius + grow, kRingOuterRadius + grow);
    ring.addEllipse(centre, kRingInnerRadius - grow, kRingInnerRadius - grow);
    return ring;
}

// The card's mark: its shape around a centre, its colour and its edge.
struct Mark {
    QPainterPath (*shape)(QPointF centre, double grow);
    QRgb ink;
    QRgb edge;
};

constexpr Mark kCross{Cross, palette::Red, palette::Maroon};
constexpr Mark kRing{Ring, palette::Lime, palette::Black};

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
    painter.drawRoundedRect(frame, kFrameCornerRadius, kFrameCornerRadius);
    return card;
}

QImage CardMarkedWith(const Mark& mark) {
    // Both place-holders start from the same card, so it is drawn once.
    static const QImage kGreenCard = GreenCard();
    QImage card = kGreenCard;
    QPainter painter(&card);
    painter.setPen(QColor(mark.edge));
    painter.setBrush(QColor(mark.ink));
    painter.drawPath(mark.shape(kCardCentre, 0));
    painter.end();
    MirrorTopLeftQuarter(card);
    return card;
}

// The same card drawn with more device pixels: the edge and the frame lie on
// whole device pixels, the mark is antialiased about the middle of
// the image, which sits where the card's middle does.
QImage DenseCardMarkedWith(const Mark& mark, double ratio) {
    DenseCanvas canvas(kCardSize, ratio);
    const QRectF card = canvas.Bounds();
    // The outlines above run along pixel centres; edges name their outer sides.
    canvas.Slab(card, kCornerRadius + 0.5, palette::Black, palette::Green);
    const QRectF frame = card.adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
    canvas.Edge(frame, kFrameCornerRadius + 0.5, palette::Lime);
    // The edge and the inside as two fills, which costs less than a pen.
    const double halfLine = canvas.LineWidth() / 2;
    canvas.Fill(mark.shape(card.center(), halfLine), mark.edge);
    canvas.Fill(mark.shape(card.center(), -halfLine), mark.ink);
    return canvas.Finish();
}

QImage PlaceholderCard(const Mark& mark, double ratio) {
    return IsPixelForPixel(ratio) ? CardMarkedWith(mark) : DenseCardMarkedWith(mark, ratio);
}

}  // namespace

QImage DrawCrossPlaceholder(double ratio) {
    return PlaceholderCard(kCross, ratio);
}

QImage DrawRingPlaceholder(double ratio) {
    return PlaceholderCard(kRing, ratio);
}

}  // namespace tolvane

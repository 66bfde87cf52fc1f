#include "suit_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <stdexcept>
#include <string>

#include "raster/palette.h"

namespace tolvane {

namespace {

QPainterPath Heart() {
    constexpr double kLobeRadius = 0.26;
    constexpr double kLobeCentreY = 0.28;
    constexpr double kLobeOverlap = 0.01;
    QPainterPath left, right, point;
    left.addEllipse(QPointF(0.5 - kLobeRadius + kLobeOverlap, kLobeCentreY), kLobeRadius, kLobeRadius);
    right.addEllipse(QPointF(0.5 + kLobeRadius - kLobeOverlap, kLobeCentreY), kLobeRadius, kLobeRadius);
    point.moveTo(0.02, kLobeCentreY + 0.08);
    point.cubicTo(0.08, 0.62, 0.4, 0.78, 0.5, 1.0);
    point.cubicTo(0.6, 0.78, 0.92, 0.62, 0.98, kLobeCentreY + 0.08);
    point.lineTo(0.5, kLobeCentreY);
    point.closeSubpath();
    return left.united(right).united(point);
}

// The stem of club and spade, flaring into a foot along the bottom edge.
QPainterPath Stem(double topY) {
    constexpr double kHalfWidth = 0.05;
    constexpr double kFootHalfWidth = 0.26;
    QPainterPath stem;
    stem.moveTo(0.5 - kHalfWidth, topY);
    stem.quadTo(0.5 - kHalfWidth, 0.95, 0.5 - kFootHalfWidth, 1.0);
    stem.lineTo(0.5 + kFootHalfWidth, 1.0);
    stem.quadTo(0.5 + kHalfWidth, 0.95, 0.5 + kHalfWidth, topY);
    stem.closeSubpath();
    return stem;
}

QPainterPath Diamond() {
    QPainterPath diamond;
    diamond.moveTo(0.5, 0.0);
    diamond.lineTo(0.96, 0.5);
    diamond.lineTo(0.5, 1.0);
    diamond.lineTo(0.04, 0.5);
    diamond.closeSubpath();
    return diamond;
}

QPainterPath Spade() {
    // The blade is a heart standing on its point, squat to leave room for the stem.
    constexpr double kBladeHeight = 0.8;
    const QPainterPath blade = QTransform(1, 0, 0, -kBladeHeight, 0, kBladeHeight).map(Heart());
    return blade.united(Stem(0.6));
}

QPainterPath Club() {
    constexpr double kTopLeafRadius = 0.24;
    constexpr double kSideLeafRadius = 0.225;
    constexpr double kSideLeafY = 0.56;
    QPainterPath top, left, right, between;
    top.addEllipse(QPointF(0.5, kTopLeafRadius), kTopLeafRadius, kTopLeafRadius);
    left.addEllipse(QPointF(kSideLeafRadius, kSideLeafY), kSideLeafRadius, kSideLeafRadius);
    right.addEllipse(QPointF(1.0 - kSideLeafRadius, kSideLeafY), kSideLeafRadius, kSideLeafRadius);
    between.addPolygon(QPolygonF({QPointF(0.5, kTopLeafRadius), QPointF(kSideLeafRadius, kSideLeafY),
                                  QPointF(1.0 - kSideLeafRadius, kSideLeafY)}));
    return top.united(left).united(right).united(between).united(Stem(0.55));
}

}  // namespace

void CheckSuit(int suit) {
    if (suit < Clubs || suit > Spades)
        throw std::out_of_range("suit " + std::to_string(suit) + " is outside 0..3");
}

const QPainterPath& SuitShape(Suit suit) {
    CheckSuit(suit);
    // Built once: uniting the curves costs more than drawing a whole card.
    static const std::array<QPainterPath, 4> kShapes = {Club(), Diamond(), Heart(), Spade()};
    return kShapes[suit];
}

QRgb SuitInk(Suit suit) {
    CheckSuit(suit);
    return suit == Diamonds || suit == Hearts ? palette::Red : palette::Black;
}

QImage SuitStamp(Suit suit, QSize size, QRgb colour) {
    QImage stamp(size, QImage::Format_ARGB32);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size.width(), size.height());
    painter.fillPath(SuitShape(suit), QColor::fromRgb(colour));
    return stamp;
}

void PaintSuitSymbol(QPainter& painter, Suit suit, const QRect& box, QRgb colour, Upright way) {
    const QPainterPath& shape = SuitShape(suit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (way == Upright::Yes) {
        painter.translate(box.topLeft());
        painter.scale(box.width(), box.height());
    } else {
        painter.translate(box.left() + box.width(), box.top() + box.height());
        painter.scale(-box.width(), -box.height());
    }
    painter.fillPath(shape, QColor::fromRgb(colour));
    painter.restore();
}

}  // namespace tolvane

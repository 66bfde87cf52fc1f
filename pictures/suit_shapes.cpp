#include "suit_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <stdexcept>
#include <string>

#include "palette.h"

namespace tolvane {

namespace {

// Two round lobes on a point: the heart, and turned over, the spade's blade.
QPainterPath LobesOnAPoint(double pointY) {
    constexpr double kLobeRadius = 0.26;
    constexpr double kLobeCentreY = 0.28;
    QPainterPath left, right, body;
    left.addEllipse(QPointF(0.5 - kLobeRadius + 0.01, kLobeCentreY), kLobeRadius, kLobeRadius);
    right.addEllipse(QPointF(0.5 + kLobeRadius - 0.01, kLobeCentreY), kLobeRadius, kLobeRadius);
    body.moveTo(0.02, kLobeCentreY + 0.08);
    body.cubicTo(0.08, 0.62, 0.4, 0.78, 0.5, pointY);
    body.cubicTo(0.6, 0.78, 0.92, 0.62, 0.98, kLobeCentreY + 0.08);
    body.lineTo(0.5, kLobeCentreY);
    body.closeSubpath();
    return left.united(right).united(body);
}

// A stem that flares into a foot along the bottom edge.
QPainterPath Stem(double topY, double footHalfWidth) {
    QPainterPath stem;
    stem.moveTo(0.5 - 0.05, topY);
    stem.quadTo(0.5 - 0.05, 0.95, 0.5 - footHalfWidth, 1.0);
    stem.lineTo(0.5 + footHalfWidth, 1.0);
    stem.quadTo(0.5 + 0.05, 0.95, 0.5 + 0.05, topY);
    stem.closeSubpath();
    return stem;
}

QPainterPath Heart() {
    return LobesOnAPoint(1.0);
}

QPainterPath Diamond() {
    QPainterPath diamond;
    diamond.moveTo(0.5, 0.0);
    diamond.quadTo(0.72, 0.3, 0.95, 0.5);
    diamond.quadTo(0.72, 0.7, 0.5, 1.0);
    diamond.quadTo(0.28, 0.7, 0.05, 0.5);
    diamond.quadTo(0.28, 0.3, 0.5, 0.0);
    return diamond;
}

QPainterPath Spade() {
    constexpr double kBladeHeight = 0.8;
    const QPainterPath blade = QTransform(1, 0, 0, -kBladeHeight, 0, kBladeHeight).map(LobesOnAPoint(1.0));
    return blade.united(Stem(0.6, 0.26));
}

QPainterPath Club() {
    constexpr double kLeafRadius = 0.235;
    constexpr double kSideLeafY = 0.6;
    QPainterPath top, left, right, knot;
    top.addEllipse(QPointF(0.5, kLeafRadius), kLeafRadius, kLeafRadius);
    left.addEllipse(QPointF(kLeafRadius, kSideLeafY), kLeafRadius, kLeafRadius);
    right.addEllipse(QPointF(1.0 - kLeafRadius, kSideLeafY), kLeafRadius, kLeafRadius);
    knot.addEllipse(QPointF(0.5, 0.55), 0.1, 0.12);
    return top.united(left).united(right).united(knot).united(Stem(0.55, 0.26));
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

}  // namespace tolvane

#include "suit_shapes.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <stdexcept>
#include <string>

#include "once_per_suit.h"
#include "raster/palette.h"
#include "raster/signed_area.h"

namespace tolvane {

namespace {

// How a symbol's overlapping parts become its one outline.
using Join = QPainterPath (*)(const QPainterPath&, const QPainterPath&);

// Qt's own join in the unit square, which leaves each curve a few straight
// segments.
QPainterPath JoinedAsStamped(const QPainterPath& a, const QPainterPath& b) {
    return a.united(b);
}

bool RunsClockwise(const QPainterPath& part) {
    return SignedArea(part.toSubpathPolygons().value(0)) > 0;
}

// The parts laid over each other, curves kept as they are, in a path filled
// by the winding rule: wherever any part covers is filled, as long as every
// part runs the same way round, so `b` is turned to run as `a` does. Cheaper
// than any join, and smooth at every size.
QPainterPath JoinedSmoothly(const QPainterPath& a, const QPainterPath& b) {
    QPainterPath joined = a;
    joined.addPath(RunsClockwise(a) == RunsClockwise(b) ? b : b.toReversed());
    joined.setFillRule(Qt::WindingFill);
    return joined;
}

constexpr double kLobeRadius = 0.26;
constexpr double kLobeOverlap = 0.01;
constexpr QPointF kLeftLobeCentre{0.5 - kLobeRadius + kLobeOverlap, 0.28};
constexpr QPointF kRightLobeCentre{0.5 + kLobeRadius - kLobeOverlap, 0.28};
constexpr double kHeartSideY = kLeftLobeCentre.y() + 0.08;

// Where the heart's point leaves its left lobe, and the first control point
// of the curve from there down to the tip; the right side mirrors it.
struct HeartSide {
    QPointF leaves;
    QPointF pull;
};

// How a symbol is made.
struct Making {
    Join join;
    HeartSide side;
};

// As every card drawn at one device pixel to a card pixel has always been
// stamped: the point leaves each lobe at a slight angle, a few straight
// segments to each curve. Neither shows at that size.
Making AsStamped() {
    return {JoinedAsStamped, {{0.02, kHeartSideY}, {0.08, 0.62}}};
}

// Smooth at any size: the point leaves each lobe along its edge, so the side
// runs on without a kink.
Making Smooth() {
    const double dy = kHeartSideY - kLeftLobeCentre.y();
    const double dx = std::sqrt(kLobeRadius * kLobeRadius - dy * dy);
    const QPointF leaves(kLeftLobeCentre.x() - dx, kHeartSideY);
    const QPointF downTheEdge = QPointF(dy, dx) / kLobeRadius;
    constexpr double kPull = 0.27;
    return {JoinedSmoothly, {leaves, leaves + downTheEdge * kPull}};
}

QPainterPath Heart(const Making& making) {
    const Join join = making.join;
    const HeartSide& side = making.side;
    QPainterPath left, right, point;
    left.addEllipse(kLeftLobeCentre, kLobeRadius, kLobeRadius);
    right.addEllipse(kRightLobeCentre, kLobeRadius, kLobeRadius);
    point.moveTo(side.leaves);
    point.cubicTo(side.pull, QPointF(0.4, 0.78), QPointF(0.5, 1.0));
    point.cubicTo(QPointF(0.6, 0.78), QPointF(1 - side.pull.x(), side.pull.y()),
                  QPointF(1 - side.leaves.x(), side.leaves.y()));
    point.lineTo(0.5, kLeftLobeCentre.y());
    point.closeSubpath();
    return join(join(left, right), point);
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

QPainterPath Spade(const Making& making) {
    // The blade is a heart standing on its point, squat to leave room for the stem.
    constexpr double kBladeHeight = 0.8;
    const QPainterPath blade = QTransform(1, 0, 0, -kBladeHeight, 0, kBladeHeight).map(Heart(making));
    return making.join(blade, Stem(0.6));
}

QPainterPath Club(Join join) {
    constexpr double kTopLeafRadius = 0.24;
    constexpr double kSideLeafRadius = 0.225;
    constexpr double kSideLeafY = 0.56;
    QPainterPath top, left, right, between;
    top.addEllipse(QPointF(0.5, kTopLeafRadius), kTopLeafRadius, kTopLeafRadius);
    left.addEllipse(QPointF(kSideLeafRadius, kSideLeafY), kSideLeafRadius, kSideLeafRadius);
    right.addEllipse(QPointF(1.0 - kSideLeafRadius, kSideLeafY), kSideLeafRadius, kSideLeafRadius);
    between.addPolygon(QPolygonF({QPointF(0.5, kTopLeafRadius), QPointF(kSideLeafRadius, kSideLeafY),
                                  QPointF(1.0 - kSideLeafRadius, kSideLeafY)}));
    return join(join(join(join(top, left), right), between), Stem(0.55));
}

QPainterPath SuitMade(Suit suit, const Making& making) {
    switch (suit) {
    case Clubs: return Club(making.join);
    case Diamonds: return Diamond();
    case Hearts: return Heart(making);
    case Spades: return Spade(making);
    }
    throw std::out_of_range("suit " + std::to_string(suit) + " is outside 0..3");
}

QPainterPath StampedSuitMade(Suit suit) {
    return SuitMade(suit, AsStamped());
}

QPainterPath SmoothSuitMade(Suit suit) {
    return SuitMade(suit, Smooth());
}

// The outline made the way those cards have always been stamped, which
// unites its curves: that costs more than drawing a whole card, so each is
// made once, and only for a suit that is drawn.
const QPainterPath& StampedShape(Suit suit) {
    return MadeOncePerSuit<QPainterPath, StampedSuitMade>(suit);
}

// The symbol's outline in `box` of device pixels. Mapped here rather than
// by the painter: Qt fills curves given in a unit square and scaled by the
// painter several times slower than the same curves in device pixels.
QPainterPath SymbolInBox(Suit suit, const QRect& box, Upright way) {
    const QTransform toBox = way == Upright::Yes
                                 ? QTransform(box.width(), 0, 0, box.height(), box.left(), box.top())
                                 : QTransform(-box.width(), 0, 0, -box.height(), box.left() + box.width(),
                                              box.top() + box.height());
    return toBox.map(SuitShape(suit));
}

}  // namespace

void CheckSuit(int suit) {
    if (suit < Clubs || suit > Spades)
        throw std::out_of_range("suit " + std::to_string(suit) + " is outside 0..3");
}

const QPainterPath& SuitShape(Suit suit) {
    CheckSuit(suit);
    return MadeOncePerSuit<QPainterPath, SmoothSuitMade>(suit);
}

QRgb SuitInk(Suit suit) {
    CheckSuit(suit);
    return suit == Diamonds || suit == Hearts ? palette::Red : palette::Black;
}

QImage SuitStamp(Suit suit, QSize size, QRgb colour) {
    CheckSuit(suit);
    QImage stamp(size, QImage::Format_ARGB32);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size.width(), size.height());
    painter.fillPath(StampedShape(suit), QColor::fromRgb(colour));
    return stamp;
}

void PaintSuitSymbol(QPainter& painter, Suit suit, const QRect& box, QRgb colour, Upright way) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(SymbolInBox(suit, box, way), QColor::fromRgb(colour));
    painter.restore();
}

QImage SuitSymbolStamp(Suit suit, QSize size, QRgb colour, Upright way) {
    // The outline may stray a little outside its box (the heart's lobes do).
    const QRect reach = SymbolInBox(suit, QRect(QPoint(0, 0), size), way).boundingRect().toAlignedRect();
    QImage stamp(reach.size(), QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    stamp.setOffset(reach.topLeft());
    QPainter painter(&stamp);
    PaintSuitSymbol(painter, suit, QRect(-reach.topLeft(), size), colour, way);
    return stamp;
}

}  // namespace tolvane

#include <QPainterPath>
#include <QPolygonF>
#include <QRgb>

#include <array>
#include <cmath>
#include <numbers>

#include "back_kit.h"
#include "designs.h"

namespace tolvane::backs {

namespace {

const QColor kInkOutline(0x1c1c24);

// ---- Tropical fish ----------------------------------------------------------------

struct Fish {
    QPointF centre;
    qreal length;
    bool facingRight;
    QRgb body;
    QRgb stripes;  // the body colour again for a fish without stripes
    QRgb fins;
};

constexpr std::array<Fish, 4> kFishes = {{
    {{24, 24}, 26, true, 0xff7a12, 0xffffff, 0xff9a3a},   // clownfish
    {{50, 48}, 24, false, 0xffd21a, 0xffd21a, 0xfff06a},  // yellow tang
    {{22, 70}, 22, true, 0x2f5fff, 0xffd21a, 0xffd21a},   // blue and yellow
    {{58, 82}, 12, false, 0xff4f9a, 0xffffff, 0xff8ac0}}};

constexpr qreal kFishHalfLength = 0.48;
constexpr qreal kFishHalfDepth = 0.3;

// Places a point of the fish drawn in units of its length, from -0.5 (tail
// end) to 0.5 (nose), turned the way the fish swims. Drawing in pixels keeps
// Qt on its quick path for plain translated shapes.
class FishFrame {
public:
    explicit FishFrame(const Fish& fish) : fish_(fish) {}
    QPointF At(qreal along, qreal down) const {
        return fish_.centre + QPointF((fish_.facingRight ? along : -along) * fish_.length, down * fish_.length);
    }
    qreal Size(qreal units) const { return units * fish_.length; }

private:
    const Fish& fish_;
};

void PaintFish(QPainter& painter, const Fish& fish) {
    const FishFrame frame(fish);
    painter.setPen(QPen(kInkOutline, frame.Size(0.045)));
    painter.setBrush(QColor(fish.fins));
    painter.drawPolygon(QPolygonF({frame.At(-0.38, 0), frame.At(-0.72, -0.26), frame.At(-0.62, 0),
                                   frame.At(-0.72, 0.26)}));  // tail
    QPainterPath dorsal(frame.At(-0.3, -0.2));
    dorsal.quadTo(frame.At(-0.05, -0.52), frame.At(0.22, -0.24));
    painter.drawPath(dorsal);
    QPainterPath belly(frame.At(-0.2, 0.22));
    belly.quadTo(frame.At(-0.05, 0.44), frame.At(0.1, 0.24));
    painter.drawPath(belly);

    painter.setBrush(QColor(fish.body));
    painter.drawEllipse(frame.At(0, 0), frame.Size(kFishHalfLength), frame.Size(kFishHalfDepth));
    // Each band is as deep as the body where it crosses it.
    painter.setBrush(QColor(fish.stripes));
    for (qreal x : {0.14, -0.16}) {
        const qreal across = x / kFishHalfLength;
        painter.drawEllipse(frame.At(x, 0), frame.Size(0.055),
                            frame.Size(kFishHalfDepth * std::sqrt(1 - across * across)));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(frame.At(0.3, -0.06), frame.Size(0.08), frame.Size(0.08));
    painter.setBrush(kInkOutline);
    painter.drawEllipse(frame.At(0.32, -0.06), frame.Size(0.045), frame.Size(0.045));
}

struct Bubble {
    QPointF centre;
    qreal radius;
};

constexpr std::array<Bubble, 7> kBubbles = {{
    {{40, 18}, 1.6}, {{43, 11}, 1.1}, {{41, 5}, 0.8}, {{10, 48}, 1.3},
    {{12, 41}, 0.9}, {{38, 64}, 1.2}, {{64, 30}, 1.0}}};

void PaintSeaweed(QPainter& painter, qreal rootX, qreal height, qreal sway) {
    QPainterPath frond({rootX, 97});
    frond.cubicTo({rootX + sway, 97 - height * 0.35}, {rootX - sway, 97 - height * 0.7},
                  {rootX + sway * 0.5, 97 - height});
    painter.setPen(QPen(QColor(0x2f9a58), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(frond);
}

// ---- Toy frog ----------------------------------------------------------------------

const QColor kFrogGreen(0x45b33e);
const QColor kFrogDark(0x2c7f2a);
const QColor kFrogBelly(0xcdeb8c);

constexpr qreal kFrogMiddle = 35.5;

// Features of the frog's left side as offsets from its middle line; the
// right side mirrors them.
struct Limb {
    QPointF offset;
    qreal rx, ry;
};

constexpr Limb kHindLeg{{-17, 71}, 11, 8};
constexpr Limb kFrontFoot{{-11, 80}, 5, 3};
constexpr Limb kHindFoot{{-22, 81}, 6, 3};
constexpr QPointF kEye{-11.5, 28};
constexpr qreal kEyeRadius = 7.5;

QPointF Mirrored(QPointF offset, int side) {
    return {kFrogMiddle + side * offset.x(), offset.y()};
}

void PaintFrogLimbs(QPainter& painter) {
    painter.setPen(QPen(kFrogDark, 0.8));
    for (int side : {-1, 1}) {
        painter.setBrush(kFrogGreen);
        painter.drawEllipse(Mirrored(kHindLeg.offset, side), kHindLeg.rx, kHindLeg.ry);
        painter.setBrush(kFrogDark);
        for (const Limb& foot : {kHindFoot, kFrontFoot})
            painter.drawEllipse(Mirrored(foot.offset, side), foot.rx, foot.ry);
    }
}

// Soft pale spots in staggered rows, like a toy's gift wrap.
void PaintPolkaDots(QImage& card) {
    constexpr qreal kSpacing = 16;
    constexpr qreal kRadius = 3;
    const QColor pale(0xffd08a);
    for (int row = 0; row * kSpacing < kCardArea.height() + kSpacing; ++row)
        for (qreal x = (row % 2) * kSpacing / 2 + 3; x < kCardArea.width() + kSpacing; x += kSpacing)
            ShadeRound(card, {x, row * kSpacing + 4}, kRadius,
                       {{0.0, Faded(pale, 0.4)}, {0.7, Faded(pale, 0.4)}, {1.0, Faded(pale, 0.0)}});
}

void PaintWindUpKey(QPainter& painter) {
    const QColor brass(0xd9b04a), brassEdge(0x8a6a1c);
    painter.setPen(QPen(brassEdge, 0.8));
    painter.setBrush(brass);
    painter.drawRect(QRectF(50, 50, 10, 3));
    for (qreal dy : {-4.5, 4.5})
        painter.drawEllipse(QPointF(62, 51.5 + dy), 3.2, 4.2);
}

void PaintFrogEye(QPainter& painter, int side) {
    const QPointF centre = Mirrored(kEye, side);
    painter.setPen(QPen(kFrogDark, 0.8));
    painter.setBrush(kFrogGreen);
    painter.drawEllipse(centre, kEyeRadius, kEyeRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(0, -0.5), kEyeRadius * 0.7, kEyeRadius * 0.7);
    painter.setBrush(kInkOutline);
    painter.drawEllipse(centre + QPointF(side * 0.8, 0), kEyeRadius * 0.38, kEyeRadius * 0.38);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(side * 0.8 - 1, -1.2), 1.0, 1.0);
}

void PaintFrogFace(QPainter& painter) {
    painter.setPen(QPen(kInkOutline, 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath smile({kFrogMiddle - 12, 42});
    smile.quadTo({kFrogMiddle, 52}, {kFrogMiddle + 12, 42});
    painter.drawPath(smile);
    painter.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        painter.setBrush(Faded(QColor(0xff7a8a), 0.6));
        painter.drawEllipse(Mirrored({-15, 44}, side), 3, 2);
        painter.setBrush(kFrogDark);
        painter.drawEllipse(Mirrored({-2.5, 38}, side), 0.8, 0.6);
    }
}

// ---- Racing cars ---------------------------------------------------------------------

struct RacingCar {
    QPointF centre;  // middle of the car at axle height
    QRgb body;
    QRgb helmet;
};

constexpr std::array<RacingCar, 3> kRacers = {{
    {{30, 22}, 0xe02828, 0xffd21a}, {{36, 52}, 0x2a5fe0, 0xffffff}, {{26, 82}, 0xf5c211, 0x2a5fe0}}};

// Low wedge body from the rear wing to the nose, in pixels about the car's
// middle; the car faces right.
const QPolygonF kCarBody({{-20, 2}, {-20, -4}, {-9, -5}, {-6, -8}, {5, -8}, {8, -4.5}, {20, -1.5}, {22, 2}});

constexpr int kFinishSquare = 3;
constexpr int kFinishColumns = 2;
constexpr qreal kFinishLeft = 62;

void PaintWheel(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1a1a1a));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(0xb8bcc4));
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    painter.setBrush(QColor(0x5a5e66));
    painter.drawEllipse(centre, radius * 0.15, radius * 0.15);
}

void PaintRacingCar(QPainter& painter, const RacingCar& car) {
    painter.save();
    painter.translate(car.centre);
    painter.setPen(QPen(Faded(Qt::white, 0.6), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {-5.0, -1.0, 3.0})
        painter.drawLine(QPointF(-31 - y, y), QPointF(-24, y));  // speed lines
    painter.setPen(Qt::NoPen);
    painter.setBrush(SeeThrough(Qt::black, 0.25));
    painter.drawEllipse(QPointF(1, 8.5), 23, 2.5);  // shadow on the grass

    const QColor body(car.body);
    painter.setPen(QPen(body.darker(160), 0.8));
    painter.setBrush(body.darker(130));
    painter.drawRect(QRectF(-23, -12, 7, 2.5));  // rear wing
    painter.drawRect(QRectF(-20.5, -10, 2, 6));  // its strut
    painter.setBrush(LinearGradient({0, -8}, {0, 3}, {{0.0, body.lighter(130)}, {1.0, body.darker(120)}}));
    painter.drawPolygon(kCarBody);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(-19, -1.5, 38, 1.6));  // racing stripe
    painter.drawEllipse(QPointF(-12, -1), 3.2, 3.2);  // number disc
    painter.setBrush(body.darker(140));
    painter.drawRect(QRectF(-12.6, -3, 1.2, 4));  // its number one

    painter.setBrush(QColor(car.helmet));
    painter.drawEllipse(QPointF(0, -9), 3.4, 3.4);  // driver's helmet
    painter.setBrush(QColor(0x202838));
    painter.drawEllipse(QPointF(1.6, -9.4), 1.7, 1.1);  // visor

    PaintWheel(painter, {-13, 3}, 6.5);
    PaintWheel(painter, {15, 3.5}, 5.5);
    painter.restore();
}

void PaintFinishLine(QPainter& painter) {
    for (int row = 0; row * kFinishSquare < kCardSize.height(); ++row)
        for (int column = 0; column < kFinishColumns; ++column) {
            const QColor colour = (row + column) % 2 ? QColor(0x111111) : QColor(0xf6f6f6);
            const QRectF square(kFinishLeft + column * kFinishSquare, row * kFinishSquare, kFinishSquare,
                                kFinishSquare);
            painter.fillRect(OnWholeDevicePixels(painter, square), colour);
        }
}

void PaintMownGrass(QPainter& painter) {
    constexpr qreal kStripeWidth = 10;
    painter.fillRect(kCardArea, QColor(0x2f9a3e));
    painter.save();
    painter.setBrush(QColor(0x3aae4b));
    painter.translate(kCardCentre);
    painter.rotate(-30);
    for (qreal x = -80; x < 80; x += 2 * kStripeWidth)
        painter.drawRect(QRectF(x, -80, kStripeWidth, 160));
    painter.restore();
}

}  // namespace

void PaintTropicalFish(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x3cc2e8)}, {0.6, QColor(0x1679c4)},
                                  {1.0, QColor(0x0a3a82)}});
    painter.setBrush(SeeThrough(Qt::white, 0.08));
    for (qreal x : {8.0, 30.0, 52.0})
        painter.drawPolygon(QPolygonF({{x, 0}, {x + 10, 0}, {x - 4, 96}, {x - 16, 96}}));  // sun rays
    for (const auto& [root, height, sway] : {std::array<qreal, 3>{6, 30, 5}, {14, 20, -4}, {48, 16, 4},
                                             {62, 26, -5}, {68, 14, 3}})
        PaintSeaweed(painter, root, height, sway);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Faded(Qt::white, 0.4));
    for (const Bubble& bubble : kBubbles)
        painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
    for (const Fish& fish : kFishes)
        PaintFish(painter, fish);
}

void PaintToyFrog(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0xe8600a)}, {0.45, QColor(0xffb54a)},
                                  {1.0, QColor(0xe8600a)}});
    PaintPolkaDots(card);

    PaintWindUpKey(painter);
    PaintFrogLimbs(painter);
    painter.setPen(QPen(kFrogDark, 0.8));
    painter.setBrush(LinearGradient({0, 45}, {0, 79}, {{0.0, kFrogGreen.lighter(125)}, {1.0, kFrogGreen}}));
    painter.drawEllipse(QPointF(kFrogMiddle, 62), 18, 17);  // body
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrogBelly);
    painter.drawEllipse(QPointF(kFrogMiddle, 66), 11, 11);
    painter.setPen(QPen(kFrogDark, 0.8));
    painter.setBrush(LinearGradient({0, 27}, {0, 53}, {{0.0, kFrogGreen.lighter(130)}, {1.0, kFrogGreen}}));
    painter.drawEllipse(QPointF(kFrogMiddle, 40), 20, 13);  // head
    for (int side : {-1, 1})
        PaintFrogEye(painter, side);
    PaintFrogFace(painter);
    painter.setBrush(Faded(Qt::white, 0.45));
    painter.drawEllipse(QPointF(kFrogMiddle - 8, 33), 4, 1.6);  // shine on the plastic
}

void PaintRacingCars(QImage& card) {
    SmoothPainter painter(&card);
    PaintMownGrass(painter);
    PaintFinishLine(painter);
    for (const RacingCar& car : kRacers)
        PaintRacingCar(painter, car);
}

}  // namespace tolvane::backs

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

#include "back_kit.h"
#include "designs.h"
#include "raster/scaled_outline.h"

namespace tolvane::backs {

namespace {

constexpr qreal kHaloStrength = 0.55;

// ---- Sky with clouds ------------------------------------------------------

struct Puff {
    qreal dx, dy, radius;  // in units of the cloud's size, from its base
};

// A cumulus: round puffs heaped on a flat base.
constexpr std::array<Puff, 5> kCloudPuffs = {{
    {-0.95, -0.30, 0.45}, {-0.40, -0.62, 0.62}, {0.25, -0.78, 0.72},
    {0.85, -0.42, 0.50}, {1.25, -0.22, 0.30}}};

struct Cloud {
    QPointF base;  // middle of the flat underside
    qreal size;
};

// Small and high up, larger as they come nearer the bottom.
constexpr std::array<Cloud, 5> kSkyClouds = {{
    {{14, 18}, 6}, {{52, 30}, 8}, {{20, 52}, 10}, {{60, 70}, 11}, {{14, 92}, 14}}};

constexpr qreal kCloudTop = -1.5;  // the highest puff's top, in cloud sizes

// Every puff shares one shading, white on top to a grey-blue underside, so
// the heap reads as a single cloud.
void PaintCloud(QPainter& painter, const Cloud& cloud) {
    const qreal s = cloud.size;
    painter.setBrush(LinearGradient(cloud.base + QPointF(0, kCloudTop * s), cloud.base,
                                    {{0.0, QColor(0xffffff)}, {0.6, QColor(0xf4f7fb)},
                                     {1.0, QColor(0xb9c8dc)}}));
    painter.drawRoundedRect(QRectF(cloud.base.x() - 1.3 * s, cloud.base.y() - 0.5 * s, 2.6 * s, 0.5 * s),
                            0.25 * s, 0.25 * s);
    for (const Puff& puff : kCloudPuffs)
        painter.drawEllipse(cloud.base + QPointF(puff.dx, puff.dy) * s, puff.radius * s, puff.radius * s);
}

// ---- Palm island ------------------------------------------------------------

constexpr qreal kHorizon = 58;

struct Frond {
    qreal angle;   // degrees, 0 pointing right, counter-clockwise up
    qreal length;  // in units of the tree's size
    qreal droop;   // how far the tip bends down, in the same units
};

// Fronds fan out from the crown, the side ones hanging lowest.
constexpr std::array<Frond, 7> kFronds = {{
    {170, 1.0, 0.45}, {140, 0.9, 0.30}, {100, 0.55, 0.10}, {65, 0.8, 0.25},
    {25, 1.0, 0.40}, {-10, 0.85, 0.45}, {200, 0.75, 0.40}}};

struct PalmTree {
    QPointF foot;
    QPointF crown;
    qreal size;  // frond length
};

constexpr std::array<PalmTree, 2> kIslandPalms = {{
    {{19, 66}, {15, 40}, 11}, {{33, 67}, {44, 27}, 16}}};

struct Wave {
    QPointF from;
    qreal length;
};

constexpr std::array<Wave, 9> kWaves = {{
    {{4, 62}, 8}, {{50, 61}, 10}, {{60, 66}, 7}, {{8, 74}, 12}, {{40, 76}, 14},
    {{20, 84}, 10}, {{52, 86}, 13}, {{3, 92}, 9}, {{34, 93}, 12}}};

QPointF Along(QPointF from, qreal angleDegrees, qreal distance) {
    const qreal radians = angleDegrees * std::numbers::pi / 180.0;
    return from + QPointF(std::cos(radians), -std::sin(radians)) * distance;
}

void PaintTrunk(QPainter& painter, const PalmTree& tree) {
    // The trunk leans with a gentle bow; it is built of stacked rings that
    // narrow towards the crown.
    const QPointF bow = (tree.foot + tree.crown) / 2 + QPointF(tree.size * 0.25, 0);
    constexpr int kRings = 12;
    for (int i = 0; i <= kRings; ++i) {
        const qreal t = static_cast<qreal>(i) / kRings;
        const QPointF at = (1 - t) * (1 - t) * tree.foot + 2 * t * (1 - t) * bow + t * t * tree.crown;
        const qreal width = tree.size * (0.22 - 0.08 * t);
        painter.setBrush(QColor(i % 2 ? 0x9a6a3a : 0x7d5128));
        painter.drawEllipse(at, width, width * 0.7);
    }
}

void PaintFrond(SmoothPainter& painter, const PalmTree& tree, const Frond& frond) {
    const qreal length = frond.length * tree.size;
    const QPointF tip = Along(tree.crown, frond.angle, length) + QPointF(0, frond.droop * tree.size);
    const QPointF middle = Along(tree.crown, frond.angle, length * 0.55);
    const QPointF normal = Along(QPointF(), frond.angle + 90, tree.size * 0.16);
    QPainterPath leaf(tree.crown);
    leaf.quadTo(middle + normal, tip);
    leaf.quadTo(middle - normal * 0.8, tree.crown);
    painter.setBrush(LinearGradient(tree.crown, tip, {{0.0, QColor(0x1f6b2a)}, {1.0, QColor(0x4fb545)}}));
    painter.DrawInBands(leaf);
}

void PaintPalm(SmoothPainter& painter, const PalmTree& tree) {
    PaintTrunk(painter, tree);
    for (const Frond& frond : kFronds)
        PaintFrond(painter, tree, frond);
    painter.setBrush(QColor(0x5a3a1a));
    for (qreal dx : {-0.12, 0.1, 0.0})
        painter.drawEllipse(tree.crown + QPointF(dx * tree.size, 0.12 * tree.size), tree.size * 0.09,
                            tree.size * 0.09);
}

// ---- Desert dune with moon --------------------------------------------------

constexpr std::array<QPointF, 12> kDesertStars = {{
    {6, 8}, {16, 20}, {27, 6}, {34, 15}, {62, 38}, {9, 34}, {24, 30},
    {66, 6}, {45, 41}, {3, 48}, {56, 48}, {30, 44}}};

// The bite is taken in the device pixels the moon is drawn in, `deviceScale`
// to a card pixel, so that its curves stay smooth at any density.
QPainterPath Crescent(QPointF centre, qreal radius, qreal deviceScale) {
    QPainterPath moon;
    moon.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(-radius * 0.45, -radius * 0.25), radius * 0.85, radius * 0.85);
    return ScaledOutline(moon, deviceScale).Subtracted(bite).Path();
}

// ---- Astronaut above the earth ------------------------------------------------

constexpr QPointF kEarthCentre{28, 150};
constexpr qreal kEarthRadius = 78;

struct Blob {
    QPointF centre;
    qreal rx, ry;
};

constexpr std::array<Blob, 5> kContinents = {{
    {{12, 80}, 14, 5}, {{30, 88}, 9, 6}, {{58, 84}, 12, 7}, {{66, 94}, 9, 5}, {{2, 92}, 9, 4}}};
constexpr std::array<Blob, 4> kEarthClouds = {{
    {{24, 79}, 12, 1.6}, {{50, 80}, 9, 1.3}, {{40, 91}, 14, 1.8}, {{8, 88}, 8, 1.3}}};

constexpr int kSpaceStars = 34;
constexpr std::uint32_t kStarSeed = 63;

void PaintSpaceStars(QImage& card) {
    for (int i = 0; i < kSpaceStars; ++i) {
        const QPointF at(Scatter(i, 0, kStarSeed) * kCardArea.width(),
                         Scatter(i, 1, kStarSeed) * kCardArea.height() * 0.8);
        const qreal brightness = 0.35 + 0.65 * Scatter(i, 2, kStarSeed);
        PaintGlow(card, at, 1 + 0.6 * brightness, QColor(0xfff8e6), brightness);
    }
}

void PaintEarth(QImage& card, QPainter& painter) {
    constexpr qreal kAirReach = kEarthRadius + 5;
    ShadeRound(card, kEarthCentre, kAirReach,
               {{0.0, Faded(QColor(0x7fd0ff), 0.9)}, {kEarthRadius / kAirReach, Faded(QColor(0x7fd0ff), 0.9)},
                {1.0, Faded(QColor(0x7fd0ff), 0.0)}});
    QPainterPath globe;
    globe.addEllipse(kEarthCentre, kEarthRadius, kEarthRadius);
    const qreal top = kEarthCentre.y() - kEarthRadius;
    painter.setBrush(LinearGradient({0, top}, {0, kCardArea.height()},
                                    {{0.0, QColor(0x4a9ef0)}, {0.3, QColor(0x1c5fb8)}, {1.0, QColor(0x0c2f6e)}}));
    painter.drawPath(globe);
    painter.save();
    painter.setClipPath(globe);
    painter.setBrush(QColor(0x4c9a48));
    for (const Blob& land : kContinents)
        painter.drawEllipse(land.centre, land.rx, land.ry);
    painter.setBrush(SeeThrough(Qt::white, 0.8));
    for (const Blob& cloud : kEarthClouds)
        painter.drawEllipse(cloud.centre, cloud.rx, cloud.ry);
    painter.restore();
}

// The astronaut is drawn around the middle of the suit's chest, in pixels.
void PaintAstronaut(SmoothPainter& painter, QPointF chest, qreal tiltDegrees) {
    painter.save();
    painter.translate(chest);
    painter.rotate(tiltDegrees);
    const QColor suit(0xf5f6f8), trim(0x9aa1ad), outline(0x4a5060);
    const QPen suitOutline(outline, 0.7);

    painter.setPen(suitOutline);
    painter.setBrush(QColor(0xc3c8d1));
    painter.drawRoundedRect(QRectF(-8.5, -7, 17, 17), 2.5, 2.5);  // backpack

    const auto limb = [&](QPointF from, QPointF to, qreal width) {
        painter.setPen(QPen(outline, width + 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(suit, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    };
    limb({-3.5, 10}, {-7, 22}, 5);    // left leg
    limb({3.5, 10}, {8, 21}, 5);      // right leg
    limb({-6, -2}, {-14, 6}, 4);      // left arm, hanging
    limb({6, -2}, {13, -10}, 4);      // right arm, waving

    painter.setPen(suitOutline);
    painter.setBrush(trim);
    painter.drawEllipse(QPointF(-7.2, 23.5), 3.2, 2.2);  // boots
    painter.drawEllipse(QPointF(8.3, 22.6), 3.2, 2.2);
    painter.drawEllipse(QPointF(-14.5, 6.8), 2.2, 2.2);  // gloves
    painter.drawEllipse(QPointF(13.6, -11), 2.2, 2.2);

    painter.setBrush(suit);
    painter.drawRoundedRect(QRectF(-7, -5, 14, 17), 4, 4);  // torso
    painter.setBrush(QColor(0xd9dde4));
    painter.drawRect(QRectF(-4, 0, 8, 5));  // chest panel
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe23b3b));
    painter.drawEllipse(QPointF(-2, 2.5), 1.1, 1.1);
    painter.setBrush(QColor(0x2f7de1));
    painter.drawEllipse(QPointF(1.8, 2.5), 1.1, 1.1);

    painter.setPen(suitOutline);
    painter.setBrush(suit);
    painter.drawEllipse(QPointF(0, -11), 8, 8);  // helmet
    painter.setBrush(LinearGradient({-4, -15}, {4, -7}, {{0.0, QColor(0xffd36b)}, {0.5, QColor(0xe09a2c)},
                                                          {1.0, QColor(0x7a4210)}}));
    QPainterPath visor;
    visor.addEllipse(QPointF(0.5, -11), 5.6, 4.6);
    painter.DrawInBands(visor);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Faded(Qt::white, 0.8));
    painter.drawEllipse(QPointF(-2, -13), 1.6, 1.0);  // glint
    painter.restore();
}

}  // namespace

void PaintSkyWithClouds(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x1f5fbf)}, {0.55, QColor(0x4f97e3)},
                                  {1.0, QColor(0xb7e0fa)}});
    PaintGlow(card, {60, 8}, 22, QColor(0xfffbe0), kHaloStrength);
    for (const Cloud& cloud : kSkyClouds)
        PaintCloud(painter, cloud);
}

void PaintPalmIsland(QImage& card) {
    SmoothPainter painter(&card);
    painter.fillRect(QRectF(0, 0, kCardArea.width(), kHorizon),
                     LinearGradient({0, 0}, {0, kHorizon}, {{0.0, QColor(0x2f86d6)}, {0.7, QColor(0x8cc8ef)},
                                                            {1.0, QColor(0xfbe7b0)}}));
    PaintGlow(card, {56, 16}, 16, QColor(0xfff2a8), kHaloStrength);
    painter.setBrush(QColor(0xfff6c8));
    painter.drawEllipse(QPointF(56, 16), 5.5, 5.5);
    painter.fillRect(QRectF(0, kHorizon, kCardArea.width(), kCardArea.height() - kHorizon),
                     LinearGradient({0, kHorizon}, {0, kCardArea.height()},
                                    {{0.0, QColor(0x2bb3c0)}, {1.0, QColor(0x0b4a80)}}));
    painter.setPen(QPen(Faded(Qt::white, 0.55), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (const Wave& wave : kWaves)
        painter.drawLine(wave.from, wave.from + QPointF(wave.length, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(SeeThrough(QColor(0x7fe0d0), 0.7));
    painter.drawEllipse(QPointF(30, 69), 29, 7.5);  // shallows around the island
    painter.setBrush(LinearGradient({0, 61}, {0, 72}, {{0.0, QColor(0xfbe3a0)}, {1.0, QColor(0xd9b26a)}}));
    painter.drawEllipse(QPointF(29, 68), 23, 5.5);
    for (const PalmTree& palm : kIslandPalms)
        PaintPalm(painter, palm);
}

void PaintDesertDuneWithMoon(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x101437)}, {0.4, QColor(0x3a2a6e)},
                                  {0.62, QColor(0xc46a6a)}, {0.7, QColor(0xf2a65e)}});
    for (const QPointF& star : kDesertStars)
        PaintGlow(card, star, 1.3, Qt::white, 0.9);
    const QPointF moon(48, 20);
    PaintGlow(card, moon, 20, QColor(0xfff3c4), kHaloStrength);
    painter.setBrush(QColor(0xfbf0c2));
    painter.drawPath(Crescent(moon, 9, painter.deviceTransform().m11()));

    QPainterPath farDunes({0, 64});
    farDunes.cubicTo({14, 56}, {26, 60}, {36, 62});
    farDunes.cubicTo({48, 58}, {60, 55}, {71, 60});
    farDunes.lineTo(71, 96);
    farDunes.lineTo(0, 96);
    painter.setBrush(QColor(0x9a4b3a));
    painter.drawPath(farDunes);

    // One big dune: its crest runs in from the left, peaks, then a sharp
    // ridge sweeps down to the bottom; the slope facing the moon is lit.
    const QPointF crest(40, 56);
    QPainterPath shadowSide({0, 82});
    shadowSide.cubicTo({12, 70}, {28, 58}, crest);
    shadowSide.cubicTo({36, 70}, {26, 84}, {18, 96});
    shadowSide.lineTo(0, 96);
    painter.setBrush(LinearGradient({0, 60}, {0, 96}, {{0.0, QColor(0xb35a34)}, {1.0, QColor(0x7a3420)}}));
    painter.drawPath(shadowSide);
    QPainterPath litSide(crest);
    litSide.cubicTo({52, 62}, {62, 66}, {71, 68});
    litSide.lineTo(71, 96);
    litSide.lineTo(18, 96);
    litSide.cubicTo({26, 84}, {36, 70}, crest);
    painter.setBrush(LinearGradient({0, crest.y()}, {0, 96}, {{0.0, QColor(0xffc27a)}, {1.0, QColor(0xe0893f)}}));
    painter.drawPath(litSide);
    painter.setPen(QPen(SeeThrough(QColor(0xa65a2a), 0.6), 0.7));
    painter.setBrush(Qt::NoBrush);
    for (qreal y : {76.0, 83.0, 90.0}) {
        QPainterPath ripple({32 + (y - 76) * -0.6, y});
        ripple.cubicTo({44, y - 4}, {56, y + 1}, {71, y - 3});
        painter.drawPath(ripple);
    }
}

void PaintAstronautAboveEarth(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x02030c)}, {1.0, QColor(0x0d1640)}});
    PaintSpaceStars(card);
    PaintEarth(card, painter);
    PaintAstronaut(painter, {37, 38}, -18);
}

}  // namespace tolvane::backs

#include <QPainterPath>
#include <QPolygonF>
#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "back_kit.h"
#include "designs.h"
#include "raster/pixel_rows.h"

namespace tolvane::backs {

namespace {

// ---- Blue abstract -----------------------------------------------------------

struct Disc {
    QPointF centre;
    qreal radius;
    QRgb colour;
    qreal opacity;
};

constexpr std::array<Disc, 5> kAbstractDiscs = {{
    {{18, 28}, 22, 0x3fc4ff, 0.45}, {{58, 72}, 30, 0x06154a, 0.55}, {{46, 44}, 12, 0x8fe3ff, 0.55},
    {{14, 82}, 9, 0xffffff, 0.85}, {{60, 14}, 5, 0x9fd8ff, 0.9}}};

struct Ring {
    QPointF centre;
    qreal radius, width;
    QRgb colour;
};

constexpr std::array<Ring, 3> kAbstractRings = {{
    {{52, 28}, 15, 3, 0xbfe9ff}, {{22, 66}, 12, 1.5, 0x59b3ff}, {{22, 66}, 7, 1.5, 0x59b3ff}}};

struct Band {
    QPointF from, to;
    qreal width;
    QRgb colour;
    qreal opacity;
};

constexpr std::array<Band, 4> kAbstractBands = {{
    {{-5, 64}, {80, 20}, 9, 0x1a6fe0, 0.6}, {{-5, 74}, {80, 30}, 2, 0xe8f6ff, 0.8},
    {{10, 100}, {40, -5}, 3, 0x0a2a7a, 0.7}, {{-5, 96}, {80, 60}, 5, 0x2c8cff, 0.5}}};

// ---- Red swirl ------------------------------------------------------------------

constexpr int kSwirlArms = 2;
constexpr std::array<QRgb, kSwirlArms> kSwirlArmColours = {0xd8141e, 0x9c0a18};
constexpr int kSwirlSteps = 90;
constexpr qreal kSwirlTurns = 1.7;
constexpr qreal kSwirlReach = 34;     // distance of an arm's end from the centre
constexpr qreal kSwirlThickest = 11;  // width of an arm at its end

// One arm of the swirl as a closed band that widens as it winds outwards.
// Drawn `deviceScale` times larger it takes as many times the steps, so that
// at any density its edges stay within a tenth of a device pixel of a curve.
QPolygonF SwirlArm(QPointF centre, qreal startAngle, qreal deviceScale) {
    const int steps = std::max(kSwirlSteps, static_cast<int>(std::ceil(kSwirlSteps * deviceScale)));
    QPolygonF outer, inner;
    const qreal sweep = kSwirlTurns * 2 * std::numbers::pi;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const qreal angle = startAngle + t * sweep;
        const qreal radius = kSwirlReach * t;
        const qreal halfWidth = kSwirlThickest * t * t / 2;
        const QPointF direction(std::cos(angle), std::sin(angle));
        outer << centre + direction * (radius + halfWidth);
        inner.prepend(centre + direction * (radius - halfWidth));
    }
    return outer + inner;
}

// ---- Blue mosaic --------------------------------------------------------------

constexpr int kTilePitch = 6;  // a tile and one line of grout
constexpr int kTileColumns = (kCardSize.width() + kTilePitch - 1) / kTilePitch;
constexpr int kTileRows = (kCardSize.height() + kTilePitch - 1) / kTilePitch;
constexpr QRgb kGrout = 0xe6eef6;
constexpr std::array<QRgb, 5> kTileBlues = {0x0b2a66, 0x14489c, 0x2a6fce, 0x5a9de6, 0xa3cdf4};
constexpr std::uint32_t kMosaicSeed = 60;

// Tiles are set in diamond rings around the middle tile, each ring one shade
// of blue, with a few tiles a shade off as a hand would lay them.
QRgb TileColour(int column, int row, int middleColumn, int middleRow) {
    const int ring = std::abs(column - middleColumn) + std::abs(row - middleRow);
    const qreal chance = Scatter(column, row, kMosaicSeed);
    const int nudge = chance < 0.15 ? 1 : chance > 0.9 ? -1 : 0;
    const int shades = static_cast<int>(kTileBlues.size());
    const int shade = (ring % (shades - 1) + nudge + shades) % shades;
    return kTileBlues[shade];
}

QRgb Shaded(QRgb colour, int amount) {
    const auto channel = [amount](int value) { return std::clamp(value + amount, 0, 255); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

// Where a device pixel lies in the tiling along one axis.
struct TileSpot {
    int tile;
    int place;     // which of the tile's kTilePitch card pixels it stands for
    qreal within;  // its centre's place across that card pixel's span, 0..1
    qreal inset;   // its centre's distance from the nearer edge of the tile, in device pixels
};

// Each tile's edges are the card's on its grid (`toDevice`), and the edges
// of the card pixels within it are whole device pixels too: tiles differ by
// at most a device pixel and all tiles of one width look alike.
template <typename ToDevice>
std::vector<TileSpot> TileSpots(int deviceLength, ToDevice toDevice, int shift, int tiles) {
    std::vector<TileSpot> spots(deviceLength);
    for (int tile = 0; tile < tiles; ++tile) {
        const int start = toDevice(tile * kTilePitch - shift);
        const int width = toDevice((tile + 1) * kTilePitch - shift) - start;
        const auto placeStart = [&](int place) {
            return start + static_cast<int>(std::lround(width * place / qreal(kTilePitch)));
        };
        const int groutStart = placeStart(kTilePitch - 1);
        for (int place = 0; place < kTilePitch; ++place) {
            const int from = placeStart(place), to = placeStart(place + 1);
            for (int at = std::max(from, 0); at < std::min(to, deviceLength); ++at) {
                const qreal centre = at + 0.5;
                spots[at] = {tile, place, (centre - from) / (to - from),
                             std::min(centre - start, groutStart - centre)};
            }
        }
    }
    return spots;
}

// Light catches each tile's top-left edge and its bottom-right lies in shade.
// Drawn finer than a card pixel, the two bevels meet on a mitre and the
// tile's corners are rounded off; at 1x both fall between pixel centres and
// the tile is as square as the card's pixels.
constexpr qreal kTileRounding = 1.25;  // in card pixels

enum class Facet { Grout, Light, Shade, Face };

Facet TileFacet(const TileSpot& across, const TileSpot& down, qreal rounding) {
    constexpr int kLit = 0, kShaded = kTilePitch - 2, kGroutPlace = kTilePitch - 1;
    if (across.place == kGroutPlace || down.place == kGroutPlace)
        return Facet::Grout;
    const qreal inX = rounding - across.inset, inY = rounding - down.inset;
    if (inX > 0 && inY > 0 && inX * inX + inY * inY > rounding * rounding)
        return Facet::Grout;
    const bool mitre = (across.place == kShaded && down.place == kLit) ||
                       (across.place == kLit && down.place == kShaded);
    if (mitre)
        return across.within + down.within <= 1 ? Facet::Light : Facet::Shade;
    if (across.place == kLit || down.place == kLit)
        return Facet::Light;
    if (across.place == kShaded || down.place == kShaded)
        return Facet::Shade;
    return Facet::Face;
}

QRgb TilePixel(QRgb tile, Facet facet) {
    switch (facet) {
    case Facet::Grout: return kGrout;
    case Facet::Light: return Shaded(tile, 40);
    case Facet::Shade: return Shaded(tile, -30);
    case Facet::Face: return tile;
    }
    return tile;
}

// ---- Magenta light streaks -------------------------------------------------------

struct Streak {
    QPointF from, bend1, bend2, to;
    QRgb colour;
    qreal width;
};

// Long exposures of moving lights: sweeping curves that glow where they cross.
constexpr std::array<Streak, 7> kStreaks = {{
    {{-5, 90}, {20, 40}, {50, 70}, {76, 8}, 0xff38d2, 2.4},
    {{-5, 70}, {30, 30}, {40, 90}, {76, 40}, 0xc04dff, 1.8},
    {{-5, 30}, {30, 60}, {50, 0}, {76, 30}, 0xff5fb0, 1.6},
    {{10, 101}, {25, 60}, {60, 80}, {76, 60}, 0xff38d2, 1.4},
    {{-5, 12}, {20, 30}, {45, 10}, {76, 20}, 0x9b5cff, 1.2},
    {{-5, 50}, {25, 45}, {45, 55}, {76, 85}, 0xff7de0, 1.0},
    {{30, -5}, {40, 30}, {20, 60}, {45, 101}, 0xe040ff, 1.2}}};

// One pass of light: its width grows and its strength fades towards the halo.
struct GlowLayer {
    qreal widthFactor;
    qreal opacity;
    bool whiteCore;
};

constexpr std::array<GlowLayer, 2> kGlowLayers = {{{3.5, 0.4, false}, {0.6, 0.8, true}}};

void PaintStreak(QPainter& painter, const Streak& streak) {
    QPainterPath path(streak.from);
    path.cubicTo(streak.bend1, streak.bend2, streak.to);
    for (const GlowLayer& layer : kGlowLayers) {
        const QColor colour = layer.whiteCore ? QColor(0xffe6fa) : QColor(streak.colour);
        painter.setPen(QPen(SeeThrough(colour, layer.opacity), streak.width * layer.widthFactor, Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawPath(path);
    }
}

// ---- Orange stripes -------------------------------------------------------------

struct Stripe {
    qreal width;
    QRgb colour;
};

// One repeat of the stripes, warm yellows through to burnt orange.
constexpr std::array<Stripe, 6> kStripeRepeat = {{
    {6, 0xff8a1c}, {2, 0xffe2a0}, {4, 0xe2580c}, {2, 0xfff4dc}, {5, 0xffab3d}, {3, 0xb8420a}}};
constexpr qreal kStripeAngle = -32;

void PaintStripes(QPainter& painter) {
    // The soft edges where two stripes meet each let a little of what lies
    // below show through, so start from a known colour.
    painter.fillRect(kCardArea, QColor(kStripeRepeat[0].colour));
    painter.save();
    painter.translate(kCardCentre);
    painter.rotate(kStripeAngle);
    const qreal reach = std::hypot(kCardArea.width(), kCardArea.height()) / 2;
    qreal y = -reach;
    for (int i = 0; y < reach; ++i) {
        const Stripe& stripe = kStripeRepeat[i % kStripeRepeat.size()];
        painter.fillRect(QRectF(-reach, y, 2 * reach, stripe.width), QColor(stripe.colour));
        y += stripe.width;
    }
    painter.restore();
}

}  // namespace

void PaintBlueAbstract(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x0a2466)}, {1.0, QColor(0x1f5cc0)}});
    for (const Band& band : kAbstractBands) {
        painter.setPen(QPen(SeeThrough(QColor(band.colour), band.opacity), band.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(band.from, band.to);
    }
    painter.setPen(Qt::NoPen);
    for (const Disc& disc : kAbstractDiscs) {
        painter.setBrush(SeeThrough(QColor(disc.colour), disc.opacity));
        painter.drawEllipse(disc.centre, disc.radius, disc.radius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const Ring& ring : kAbstractRings) {
        painter.setPen(QPen(QColor(ring.colour), ring.width));
        painter.drawEllipse(ring.centre, ring.radius, ring.radius);
    }
}

void PaintRedSwirl(QImage& card) {
    SmoothPainter painter(&card);
    painter.fillRect(kCardArea, Qt::white);
    for (int arm = 0; arm < kSwirlArms; ++arm) {
        painter.setBrush(QColor(kSwirlArmColours[arm]));
        painter.drawPolygon(
            SwirlArm(kCardCentre, arm * 2 * std::numbers::pi / kSwirlArms, painter.deviceTransform().m11()));
    }
    painter.DrawFrame(kCardArea.adjusted(3.5, 3.5, -3.5, -3.5), 1.5, QColor(kSwirlArmColours[0]));
}

void PaintBlueMosaic(QImage& card) {
    // Shift the grid so the part tiles at opposite edges match.
    constexpr int left = (kTileColumns * kTilePitch - kCardSize.width()) / 2;
    constexpr int top = (kTileRows * kTilePitch - kCardSize.height()) / 2;
    const DeviceGrid grid = CardGrid(card);
    const std::vector<TileSpot> across =
        TileSpots(card.width(), [&grid](int at) { return grid.EdgeX(at); }, left, kTileColumns);
    const std::vector<TileSpot> down =
        TileSpots(card.height(), [&grid](int at) { return grid.EdgeY(at); }, top, kTileRows);
    const qreal rounding = kTileRounding * grid.Ratio();
    std::array<QRgb, kTileColumns> rowOfTiles{};
    const auto rows = WritableRows(card);
    for (int y = 0; y < card.height(); ++y) {
        QRgb* line = rows[y];
        if (y == 0 || down[y].tile != down[y - 1].tile)
            for (int column = 0; column < kTileColumns; ++column)
                rowOfTiles[column] = TileColour(column, down[y].tile, kTileColumns / 2, kTileRows / 2);
        for (int x = 0; x < card.width(); ++x)
            line[x] = TilePixel(rowOfTiles[across[x].tile], TileFacet(across[x], down[y], rounding));
    }
}

void PaintMagentaStreaks(QImage& card) {
    SmoothPainter painter(&card, {{0.0, QColor(0x12031c)}, {1.0, QColor(0x2c0636)}});
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const Streak& streak : kStreaks)
        PaintStreak(painter, streak);
}

void PaintOrangeStripes(QImage& card) {
    SmoothPainter painter(&card);
    PaintStripes(painter);
    // Light falls from the top, and the bottom lies in shade.
    painter.fillRect(kCardArea, CardHighToLow({{0.0, Faded(Qt::white, 0.3)}, {0.45, Faded(Qt::white, 0.0)},
                                               {1.0, Faded(Qt::black, 0.25)}}));
}

}  // namespace tolvane::backs

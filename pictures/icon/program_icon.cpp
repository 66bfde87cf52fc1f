#include "pictures/icon/program_icon.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "raster/palette.h"
#include "raster/pixel_map.h"
#include "raster/scaled_outline.h"

namespace tolvane {

namespace {

// A suit drawn pixel for pixel, '#' for ink.
using Glyph = PixelMap;

constexpr std::array<std::string_view, 9> kSpade{
    "    #    ",
    "   ###   ",
    "  #####  ",
    " ####### ",
    "#########",
    "#########",
    " ## # ## ",
    "    #    ",
    "   ###   ",
};

constexpr std::array<std::string_view, 8> kHeart{
    " ##   ## ",
    "#### ####",
    "#########",
    "#########",
    " ####### ",
    "  #####  ",
    "   ###   ",
    "    #    ",
};

constexpr std::array<std::string_view, 5> kSmallHeart{
    "## ##",
    "#####",
    "#####",
    " ### ",
    "  #  ",
};

// Where the two cards lie, and which suit the front card shows.
struct IconLayout {
    int edge;
    QRect backCard;
    QRect frontCard;
    int backInset;  // from the back card's edge to its pattern: outline, then any white margin
    Glyph suit;
};

// In the order of IconImage.
constexpr std::array<IconLayout, 3> kLayouts{{
    {32, QRect(2, 1, 18, 25), QRect(12, 6, 18, 25), 2, kSpade},
    {32, QRect(2, 1, 18, 25), QRect(12, 6, 18, 25), 2, kHeart},
    {16, QRect(1, 0, 9, 12), QRect(6, 4, 9, 12), 1, kSmallHeart},
}};

// The colours of one image: black and white for the two-colour image.
struct IconInks {
    QRgb edge;  // outline of both cards
    QRgb face;  // the front card and the back card's margin
    QRgb backPattern;  // the two colours the back's checkerboard alternates
    QRgb backPatternOther;
    QRgb suit;
};

constexpr IconInks kTwoColourInks{palette::Black, palette::White, palette::Black, palette::White,
                                  palette::Black};
constexpr IconInks kColourInks{palette::Black, palette::White, palette::Navy, palette::Blue,
                               palette::Red};

const IconLayout& LayoutOf(IconImage image) {
    const auto index = static_cast<std::size_t>(image);
    if (index >= kLayouts.size())
        throw std::out_of_range("icon image " + std::to_string(index) + " does not exist");
    return kLayouts[index];
}

const IconInks& InksOf(IconImage image) {
    return image == IconImage::TwoColour32 ? kTwoColourInks : kColourInks;
}

// A card with a one-pixel outline whose corner pixels stay transparent, so
// it reads as rounded.
void DrawCardShape(QPainter& painter, const QRect& card, QRgb edge, QRgb fill) {
    painter.fillRect(card.adjusted(1, 1, -1, -1), QColor(fill));
    painter.setPen(QColor(edge));
    painter.drawLine(card.left() + 1, card.top(), card.right() - 1, card.top());
    painter.drawLine(card.left() + 1, card.bottom(), card.right() - 1, card.bottom());
    painter.drawLine(card.left(), card.top() + 1, card.left(), card.bottom() - 1);
    painter.drawLine(card.right(), card.top() + 1, card.right(), card.bottom() - 1);
}

// Each colour's pixels as one set of points: a pen change and a point at a
// time cost Qt some three hundred thousand instructions over a 32-pixel icon.
void DrawCheckerboard(QPainter& painter, const QRect& area, QRgb one, QRgb other) {
    QPolygon ones, others;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ((x + y) % 2 == 0 ? ones : others).append(QPoint(x, y));
    painter.setPen(QColor(one));
    painter.drawPoints(ones);
    painter.setPen(QColor(other));
    painter.drawPoints(others);
}

void DrawBackCard(QPainter& painter, const QRect& card, int inset, const IconInks& inks) {
    DrawCardShape(painter, card, inks.edge, inks.face);
    DrawCheckerboard(painter, card.adjusted(inset, inset, -inset, -inset), inks.backPattern,
                     inks.backPatternOther);
}

void DrawGlyph(QImage& icon, Glyph glyph, QPoint centre, QRgb ink) {
    const QSize size = PixelMapSize(glyph);
    PaintPixelMap(icon, centre - QPoint(size.width() / 2, size.height() / 2), glyph, ink);
}

// The shaped icon follows the 32-pixel image's plan, scaled: its cards lie
// where that image has them, in a square of 32 units.
constexpr int kPlanEdge = 32;

QRectF Scaled(const QRect& plan, int edge) {
    const double unit = static_cast<double>(edge) / kPlanEdge;
    const auto snap = [unit](int units) { return std::round(units * unit); };
    return QRectF(QPointF(snap(plan.left()), snap(plan.top())),
                  QPointF(snap(plan.right() + 1), snap(plan.bottom() + 1)));
}

// A rounded card with an outline `line` wide lying inside `card`.
void PaintCardShape(QPainter& painter, const QRectF& card, double line, QRgb fill) {
    const double radius = card.width() / 9;
    painter.setPen(QPen(QColor(palette::Black), line));
    painter.setBrush(QColor(fill));
    const double half = line / 2;
    painter.drawRoundedRect(card.adjusted(half, half, -half, -half), radius, radius);
}

// The diagonal bands that cross a field into diamonds, `cell` apart, each
// running a cell past the field's top and bottom; those that miss the field
// are left out.
QList<QPolygonF> DiamondBands(const QRectF& field, double cell) {
    const double band = std::max(1.0, cell / 4);
    const QPointF across(band / 2 * std::sqrt(2.0), 0);
    const double reach = field.height() + field.width();
    const double length = field.height() + 2 * cell;
    QList<QPolygonF> bands;
    for (double offset = -reach; offset <= reach; offset += cell)
        for (double slope : {1.0, -1.0}) {
            const QPointF start = field.topLeft() + QPointF(offset - slope * cell, -cell);
            const QPointF end = start + QPointF(slope * length, length);
            const QPolygonF band({start - across, start + across, end + across, end - across});
            if (band.boundingRect().intersects(field))
                bands.append(band);
        }
    return bands;
}

// Fills `shape` navy and lays the blue `bands` over it, inside the shape only.
void PaintBandedShape(QPainter& painter, const QPainterPath& shape, const QList<QPolygonF>& bands) {
    const QColor navy(palette::Navy), blue(palette::Blue);
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        // A scalable drawing cuts the bands finely, so it shows the shape's
        // rounded corners at any size.
        QPainterPath allBands;
        allBands.setFillRule(Qt::WindingFill);
        for (const QPolygonF& band : bands)
            allBands.addPolygon(band);
        painter.fillPath(shape, navy);
        painter.fillPath(ScaledOutline::Fine(shape).Intersected(allBands).Path(), blue);
        return;
    }
    // On an image the shape's own coverage keeps the bands inside it, on a
    // layer of their own. Each band is filled alone: Qt's rasterizer takes
    // thousands of times longer over all of them as one path.
    QImage layer(painter.device()->width(), painter.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter onLayer(&layer);
        onLayer.setRenderHints(painter.renderHints());
        onLayer.setTransform(painter.worldTransform());
        onLayer.setPen(Qt::NoPen);
        onLayer.fillPath(shape, navy);
        onLayer.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        onLayer.setBrush(blue);
        for (const QPolygonF& band : bands)
            onLayer.drawPolygon(band);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

// The back card's pattern: light diagonal bands crossing over dark
// diamonds, as on a classic card back, inside a white margin.
void PaintBackPattern(QPainter& painter, const QRectF& card, double line) {
    const QRectF field = card.adjusted(line * 2.5, line * 2.5, -line * 2.5, -line * 2.5);
    const double cell = field.width() / 5;  // five diamonds across
    QPainterPath shape;
    shape.addRoundedRect(field, cell / 3, cell / 3);
    PaintBandedShape(painter, shape, DiamondBands(field, cell));
}

// The icon's heart in a unit square: two round lobes over a point.
QPainterPath HeartShape() {
    QPainterPath heart;
    heart.moveTo(0.5, 0.25);
    heart.cubicTo(0.42, 0.02, 0.0, 0.02, 0.02, 0.34);
    heart.cubicTo(0.04, 0.62, 0.38, 0.8, 0.5, 0.98);
    heart.cubicTo(0.62, 0.8, 0.96, 0.62, 0.98, 0.34);
    heart.cubicTo(1.0, 0.02, 0.58, 0.02, 0.5, 0.25);
    return heart;
}

// A heart `width` wide centred on `centre`, turned over for the bottom corner.
void PaintHeart(QPainter& painter, QPointF centre, double width, bool turned) {
    static const QPainterPath heart = HeartShape();
    painter.save();
    painter.translate(centre);
    painter.rotate(turned ? 180 : 0);
    painter.scale(width, width);
    painter.translate(-0.5, -0.5);
    painter.fillPath(heart, QColor(palette::Red));
    painter.restore();
}

// The front card: a large heart, and from 48 pixels on a small one in two
// corners, as a card shows its index.
void PaintFrontFace(QPainter& painter, const QRectF& card, int edge) {
    PaintHeart(painter, card.center(), card.width() * 0.55, false);
    if (edge < 48)
        return;
    const double small = card.width() * 0.17;
    const QPointF inset(small * 0.95, small * 0.95);
    PaintHeart(painter, card.topLeft() + inset, small, false);
    PaintHeart(painter, card.bottomRight() - inset, small, true);
}

}  // namespace

void PaintShapedIcon(QPainter& painter, int edge) {
    const IconLayout& plan = LayoutOf(IconImage::Colour32);
    const double line = std::max(1L, std::lround(edge / 48.0));
    const QRectF back = Scaled(plan.backCard, edge);
    const QRectF front = Scaled(plan.frontCard, edge);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardShape(painter, back, line, palette::White);
    if (edge < 48) {
        // Too small for diamonds: the pixel images' checkerboard, pixel for pixel.
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int inset = static_cast<int>(line) + 1;
        DrawCheckerboard(painter, back.toRect().adjusted(inset, inset, -inset, -inset), palette::Navy, palette::Blue);
        painter.setRenderHint(QPainter::Antialiasing);
    } else {
        PaintBackPattern(painter, back, line);
    }
    PaintCardShape(painter, front, line, palette::White);
    PaintFrontFace(painter, front, edge);
    painter.restore();
}

QImage DrawThemeIcon(int edge) {
    if (edge == 16)
        return DrawProgramIcon(IconImage::Colour16);
    if (edge == 32)
        return DrawProgramIcon(IconImage::Colour32);
    if (std::find(kThemeIconEdges.begin(), kThemeIconEdges.end(), edge) == kThemeIconEdges.end())
        throw std::out_of_range("the program icon has no image " + std::to_string(edge) + " pixels square");
    QImage icon(edge, edge, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    PaintShapedIcon(painter, edge);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawProgramIcon(IconImage image) {
    const IconLayout& layout = LayoutOf(image);
    const IconInks& inks = InksOf(image);
    QImage icon(layout.edge, layout.edge, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        DrawBackCard(painter, layout.backCard, layout.backInset, inks);
        DrawCardShape(painter, layout.frontCard, inks.edge, inks.face);
    }
    DrawGlyph(icon, layout.suit, layout.frontCard.center(), inks.suit);
    return icon;
}

}  // namespace tolvane

#include "court_figures.h"

#include <QPolygon>

#include <array>
#include <stdexcept>
#include <string>

#include "card_geometry.h"
#include "outline_brush.h"
#include "pip_layout.h"
#include "raster/palette.h"
#include "raster/pixel_rows.h"
#include "raster/stamp.h"
#include "suit_shapes.h"
#include "suit_stamps.h"

namespace tolvane {

namespace {

using namespace palette;

// Everything below is laid out in the card's own pixels for the upper
// figure; the lower figure is the upper one turned over.
constexpr QRect kFrame{12, 5, 47, 86};
constexpr int kHalfwayRow = kCardSize.height() / 2 - 1;
constexpr QRect kUpperHalf{0, 0, kCardSize.width(), kHalfwayRow + 1};
constexpr QPoint kSuitSymbolAt{46, 9};

// The colours that tell one suit's court from another's; the accent is for
// the Queen's flower and the Jack's feather.
struct Robes {
    QRgb robe;
    QRgb trim;
    QRgb lining;
    QRgb accent;
};

// Each rank's figure is drawn once with these stand-ins for the robe colours
// and then dressed in each suit's colours by swapping them pixel for pixel;
// that is exact because the figure is drawn without antialiasing. None of
// them is a palette colour.
constexpr Robes kStandInRobes = {0xff000001, 0xff000002, 0xff000003, 0xff000004};

constexpr std::array<Robes, 4> kRobesBySuit = {{
    {Green, Yellow, Red, Red},        // Clubs
    {Red, Yellow, Navy, Fuchsia},     // Diamonds
    {Blue, Yellow, Red, Fuchsia},     // Hearts
    {Purple, Silver, Teal, Aqua},     // Spades
}};

constexpr QRgb kSkin = White, kLips = Red, kShade = Grey;
constexpr QRgb kGold = Yellow, kSteel = Silver, kWood = Maroon;
constexpr QRgb kErmine = White, kLeafGreen = Green;

// Hair by rank: the King's grey with age, the Queen's fair, the Jack's brown.
constexpr QRgb kKingHairColour = Silver, kQueenHairColour = Yellow, kJackHairColour = Olive;
constexpr QRgb kDarkBrows = Olive;

// The figure is symmetric about this column, save for what it holds.
constexpr int kFigureX = 33;

// Body, shared by all three ranks. Shoulders, sleeves, beard and cap are
// round where their points bend; where they meet the card's halfway row or
// the mouth they stay square.
const RoundedPolygon kShoulders{
    .points{{{13, 47}, {14, 38}, {19, 33}, {27, 30}, {39, 30}, {47, 33}, {52, 38}, {53, 47}}},
    .firstRound = 1, .lastRound = 6};
const RoundedPolygon kShoulderSeam{
    .points{{{16, 46}, {16, 39}, {20, 35}, {27, 32}, {39, 32}, {46, 35}, {50, 39}, {50, 46}}},
    .firstRound = 1, .lastRound = 6};
const QPolygon kChestPanel{{{29, 34}, {37, 34}, {40, 47}, {26, 47}}};
const QPolygon kCollar{{{25, 30}, {41, 30}, {37, 35}, {33, 37}, {29, 35}}};
const QRect kNeck{31, 27, 5, 4};
const QRect kFace{27, 14, 13, 14};
const RoundedPolygon kHoldingSleeve{.points{{{14, 47}, {14, 42}, {16, 39}, {23, 39}, {25, 43}, {24, 47}}},
                                    .firstRound = 1, .lastRound = 4};
const QRect kHoldingCuff{15, 38, 9, 2};
const QRect kHoldingHand{16, 34, 6, 5};
const RoundedPolygon kRestingSleeve{.points{{{52, 47}, {52, 41}, {48, 38}, {43, 40}, {41, 44}, {42, 47}}},
                                    .firstRound = 1, .lastRound = 4};
const QPolygon kRestingCuff{{{43, 39}, {45, 39}, {42, 45}, {40, 45}}};
const QRect kRestingHand{37, 40, 5, 5};

// The face: brows, eyes, nose and mouth.
const std::array<QRect, 2> kBrows = {{{29, 18, 3, 1}, {35, 18, 3, 1}}};
const std::array<QRect, 2> kEyes = {{{30, 20, 2, 1}, {35, 20, 2, 1}}};
const QRect kNose{33, 21, 1, 3};
const QRect kMouth{31, 25, 5, 1};

// The King: crown, hair and a full beard.
const QPolygon kKingCrown{{{26, 15}, {26, 9}, {29, 12}, {33, 6}, {37, 12}, {40, 9}, {40, 15}}};
const QRect kKingCrownBand{26, 12, 15, 3};
const std::array<QPoint, 3> kCrownJewels = {{{29, 13}, {33, 13}, {37, 13}}};
const std::array<QPoint, 3> kErmineSpots = {{{28, 31}, {33, 33}, {38, 31}}};
const QRect kKingHair{24, 13, 19, 16};
const RoundedPolygon kBeard{
    .points{{{27, 22}, {29, 25}, {37, 25}, {39, 22}, {40, 28}, {37, 33}, {33, 36}, {29, 33}, {26, 28}}},
    .firstRound = 4, .lastRound = 8};
const QRect kMoustache{30, 24, 7, 1};
const QRect kKingMouth{31, 26, 5, 1};

// The Queen: long hair falling to her shoulders, a small crown, a necklace.
const QRect kQueenHair{23, 10, 21, 28};
const QPolygon kQueenCrown{{{28, 14}, {28, 10}, {30, 12}, {33, 8}, {36, 12}, {38, 10}, {38, 14}}};
const std::array<QPoint, 3> kPearls = {{{28, 9}, {33, 7}, {38, 9}}};
const std::array<QPoint, 5> kNecklace = {{{29, 32}, {31, 34}, {33, 35}, {35, 34}, {37, 32}}};

// The Jack: short hair under a cap with a feather.
const QRect kJackHair{26, 15, 15, 9};
const RoundedPolygon kCap{.points{{{25, 16}, {26, 11}, {30, 8}, {37, 8}, {41, 11}, {42, 16}}},
                          .firstRound = 1, .lastRound = 4};
const QRect kCapBrim{25, 14, 18, 3};
const QPolygon kFeather{{{40, 12}, {41, 8}, {44, 6}, {44, 9}, {42, 11}, {41, 14}}};

// What each figure holds in its hand on the left.
const QPolygon kSwordBlade{{{18, 33}, {18, 10}, {19, 7}, {20, 10}, {20, 33}}};
const QRect kSwordGuard{15, 31, 9, 2};
const QRect kStaff{18, 10, 3, 26};
const QPolygon kAxeHead{{{14, 11}, {18, 12}, {18, 17}, {14, 18}, {15, 14}}};
const QPolygon kSpearPoint{{{19, 6}, {21, 10}, {17, 10}}};
const QRect kFlowerStem{18, 20, 2, 15};
const QPolygon kLeaf{{{20, 27}, {23, 24}, {24, 26}}};
const QRect kBloom{15, 13, 9, 8};
const QRect kBloomHeart{18, 16, 3, 2};

void DrawFrame(OutlineBrush& brush, const Robes& robes) {
    brush.Outlined(kFrame, White);
    brush.Polyline(QPolygon({kFrame.topLeft() + QPoint(1, 1), kFrame.topRight() + QPoint(-1, 1)}), robes.trim);
}

// The panel down the chest, dotted like brocade: rows of two dots and of
// one dot take turns.
void DrawChestPanel(OutlineBrush& brush, const Robes& robes) {
    constexpr int kDotSpacing = 2;
    brush.Outlined(kChestPanel, robes.lining);
    const int firstRow = kChestPanel.boundingRect().top() + kDotSpacing;
    for (int y = firstRow; y < kHalfwayRow; y += kDotSpacing) {
        const bool twoDots = (y - firstRow) % (2 * kDotSpacing) == 0;
        for (int dx = twoDots ? -kDotSpacing : 0; dx <= kDotSpacing; dx += 2 * kDotSpacing)
            brush.Dot(QPoint(kFigureX + dx, y), robes.trim);
    }
}

void DrawRobe(OutlineBrush& brush, const Robes& robes) {
    brush.Outlined(kShoulders, robes.robe);
    brush.Polyline(kShoulderSeam, robes.trim);
    DrawChestPanel(brush, robes);
}

void DrawHead(OutlineBrush& brush, QRgb brows) {
    brush.Outlined(kNeck, kSkin);
    brush.OutlinedOval(kFace, kSkin);
    for (const QRect& brow : kBrows)
        brush.Plain(brow, brows);
    for (const QRect& eye : kEyes)
        brush.Plain(eye, kOutline);
    brush.Plain(kNose, kShade);
}

void DrawKing(OutlineBrush& brush, const Robes& robes) {
    brush.OutlinedOval(kKingHair, kKingHairColour);
    DrawRobe(brush, robes);
    brush.Outlined(kCollar, kErmine);
    for (QPoint spot : kErmineSpots)
        brush.Dot(spot, kOutline);
    DrawHead(brush, kKingHairColour);
    brush.Outlined(kBeard, kKingHairColour);
    brush.Plain(kMoustache, kShade);
    brush.Plain(kKingMouth, kLips);
    brush.Outlined(kKingCrown, kGold);
    brush.Outlined(kKingCrownBand, robes.lining);
    for (QPoint jewel : kCrownJewels)
        brush.Dot(jewel, kGold);
    brush.Outlined(kSwordBlade, kSteel);
    brush.Outlined(kSwordGuard, kGold);
}

void DrawQueen(OutlineBrush& brush, const Robes& robes) {
    brush.OutlinedOval(kQueenHair, kQueenHairColour);
    DrawRobe(brush, robes);
    brush.Outlined(kCollar, robes.trim);
    for (QPoint bead : kNecklace)
        brush.Dot(bead, robes.lining);
    DrawHead(brush, kDarkBrows);
    brush.Plain(kMouth, kLips);
    brush.Outlined(kQueenCrown, kGold);
    for (QPoint pearl : kPearls)
        brush.Dot(pearl, kSkin);
    brush.Outlined(kFlowerStem, kLeafGreen);
    brush.Outlined(kLeaf, kLeafGreen);
    brush.OutlinedOval(kBloom, robes.accent);
    brush.Plain(kBloomHeart, kGold);
}

void DrawJack(OutlineBrush& brush, const Robes& robes) {
    brush.Outlined(kJackHair, kJackHairColour);
    DrawRobe(brush, robes);
    brush.Outlined(kCollar, robes.trim);
    DrawHead(brush, kDarkBrows);
    brush.Plain(kMouth, kLips);
    brush.Outlined(kCap, robes.lining);
    brush.Outlined(kCapBrim, robes.trim);
    brush.Outlined(kFeather, robes.accent);
    brush.Outlined(kStaff, kWood);
    brush.Outlined(kAxeHead, kSteel);
    brush.Outlined(kSpearPoint, kSteel);
}

// The hand on the left grips what the figure holds; the other rests on the
// chest.
void DrawArms(OutlineBrush& brush, const Robes& robes) {
    brush.Outlined(kHoldingSleeve, robes.robe);
    brush.Outlined(kHoldingCuff, robes.trim);
    brush.OutlinedOval(kHoldingHand, kSkin);
    brush.Outlined(kRestingSleeve, robes.robe);
    brush.Outlined(kRestingCuff, robes.trim);
    brush.OutlinedOval(kRestingHand, kSkin);
}

void DrawUpperFigure(OutlineBrush& brush, int rank, const Robes& robes) {
    DrawFrame(brush, robes);
    switch (rank) {
    case Jack: DrawJack(brush, robes); break;
    case Queen: DrawQueen(brush, robes); break;
    case King: DrawKing(brush, robes); break;
    }
    DrawArms(brush, robes);
    brush.Polyline(QPolygon({QPoint(kFrame.left(), kHalfwayRow), QPoint(kFrame.right(), kHalfwayRow)}), kOutline);
}

// The upper figure lies wholly inside this part of its frame.
const QRect kUpperFrame = kFrame.intersected(kUpperHalf);

QImage UndressedFigure(int rank) {
    QImage card(kCardSize, QImage::Format_RGB32);
    card.fill(White);
    OutlineBrush brush(card);
    DrawUpperFigure(brush, rank, kStandInRobes);
    return card.copy(kUpperFrame);
}

const QImage& UndressedFigureOf(int rank) {
    static const std::array<QImage, 3> kFigures = {UndressedFigure(Jack), UndressedFigure(Queen),
                                                   UndressedFigure(King)};
    return kFigures[rank - Jack];
}

QRgb Dressed(QRgb pixel, const Robes& robes) {
    if (pixel == kStandInRobes.robe)
        return robes.robe;
    if (pixel == kStandInRobes.trim)
        return robes.trim;
    if (pixel == kStandInRobes.lining)
        return robes.lining;
    if (pixel == kStandInRobes.accent)
        return robes.accent;
    return pixel;
}

void DrawDressedFigure(QImage& card, int rank, const Robes& robes) {
    const QImage& figure = UndressedFigureOf(rank);
    const auto from = ReadableRows(figure);
    const auto to = WritableRows(card);
    for (int y = 0; y < kUpperFrame.height(); ++y) {
        QRgb* row = to[kUpperFrame.top() + y] + kUpperFrame.left();
        for (int x = 0; x < kUpperFrame.width(); ++x)
            row[x] = Dressed(from[y][x], robes);
    }
}

void CheckCourt(int rank, Suit suit) {
    if (rank < Jack || rank > King)
        throw std::out_of_range("court rank " + std::to_string(rank) + " is outside 11..13");
    CheckSuit(suit);
}

}  // namespace

void DrawCourtFigures(QImage& card, int rank, Suit suit) {
    CheckCourt(rank, suit);
    DrawDressedFigure(card, rank, kRobesBySuit[suit]);
    Stamp(card, PipStamp(suit), kSuitSymbolAt);
    CopyTurnedOver(card, kUpperHalf);
}

// At a higher density each suit's figure is drawn in its own colours: the
// smoothed edges blend them, so they cannot be swapped afterwards.
void DrawCourtFigures(QImage& card, int rank, Suit suit, const DeviceGrid& grid) {
    CheckCourt(rank, suit);
    {
        OutlineBrush brush(card, grid);
        DrawUpperFigure(brush, rank, kRobesBySuit[suit]);
    }
    {
        QPainter painter(&card);
        const QRect symbol = grid.DeviceRect(QRect(kSuitSymbolAt, kPipSize));
        StampSuitSymbol(painter, suit, symbol, Upright::Yes, grid.Ratio());
    }
    CopyTurnedOver(card, grid.UpperHalf());
}

}  // namespace tolvane

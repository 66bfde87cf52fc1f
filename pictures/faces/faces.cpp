#include "faces.h"

#include <QPainter>

#include <array>
#include <span>

#include "card_blank.h"
#include "card_geometry.h"
#include "court_figures.h"
#include "pip_layout.h"
#include "raster/density.h"
#include "raster/device_grid.h"
#include "raster/palette.h"
#include "raster/stamp.h"
#include "suit_shapes.h"
#include "suit_stamps.h"

namespace tolvane {

namespace {

enum LayerColour { Ink, Paper };

struct PipLayer {
    QSize size;
    LayerColour colour;
};

// An Ace's big pip, drawn as layers of one suit symbol centred on the card,
// largest first. The Ace of Spades is the grander one: a white line runs
// just inside its outline, and a small spade ringed in white sits at its heart.
const std::array<PipLayer, 1> kPlainAce = {{{{31, 34}, Ink}}};
const std::array<PipLayer, 5> kOrnateAce = {{
    {{35, 38}, Ink}, {{29, 32}, Paper}, {{27, 30}, Ink},  // the big spade and its inner line
    {{13, 14}, Paper}, {{9, 10}, Ink},                    // the small spade at its heart
}};

QRgb LayerRgb(LayerColour colour, Suit suit) {
    return colour == Ink ? SuitInk(suit) : palette::White;
}

void DrawPips(QImage& card, int rank, Suit suit) {
    for (QPointF centre : PipCentres(rank))
        Stamp(card, IsInLowerHalf(centre) ? UpsideDownPipStamp(suit) : PipStamp(suit),
              TopLeftForCentre(centre, kPipSize));
}

void PaintPips(QPainter& painter, const DeviceGrid& grid, int rank, Suit suit) {
    for (QPointF centre : PipCentres(rank))
        StampSuitSymbol(painter, suit, grid.CentredBox(centre, kPipSize),
                        IsInLowerHalf(centre) ? Upright::TurnedOver : Upright::Yes, grid.Ratio());
}

std::span<const PipLayer> AceLayers(Suit suit) {
    if (suit == Spades)
        return kOrnateAce;
    return kPlainAce;
}

void DrawAcePip(QImage& card, Suit suit) {
    for (const PipLayer& layer : AceLayers(suit))
        Stamp(card, SuitStamp(suit, layer.size, LayerRgb(layer.colour, suit)),
              TopLeftForCentre(kCardCentre, layer.size));
}

void PaintAcePip(QPainter& painter, const DeviceGrid& grid, Suit suit) {
    for (const PipLayer& layer : AceLayers(suit))
        PaintSuitSymbol(painter, suit, grid.CentredBox(kCardCentre, layer.size), LayerRgb(layer.colour, suit));
}

// The card at one device pixel to a card pixel, exactly as it has always
// been drawn: every symbol from its one-bit stamp.
QImage DrawLogicalFace(int rank, Suit suit) {
    QImage face = BlankCard(SuitInk(suit));
    if (rank == Ace)
        DrawAcePip(face, suit);
    else if (rank < Jack)
        DrawPips(face, rank, suit);
    else
        DrawCourtFigures(face, rank, suit);
    DrawCornerIndices(face, rank, suit);
    return face;
}

// The same card at a higher density: the same layout, every symbol filled
// smoothly from its outline at the device's own resolution.
QImage DrawDenseFace(int rank, Suit suit, double ratio) {
    const DeviceGrid grid(kCardSize, ratio);
    QImage face = BlankCard(SuitInk(suit), grid);
    {
        QPainter painter(&face);
        if (rank == Ace)
            PaintAcePip(painter, grid, suit);
        else if (rank < Jack)
            PaintPips(painter, grid, rank, suit);
    }
    if (rank >= Jack)
        DrawCourtFigures(face, rank, suit, grid);
    DrawCornerIndices(face, rank, suit, grid);
    face.setDevicePixelRatio(ratio);
    return face;
}

}  // namespace

QImage DrawFace(int card, double ratio) {
    const int rank = CardRank(card);
    const Suit suit = static_cast<Suit>(CardSuit(card));
    if (IsPixelForPixel(ratio))
        return DrawLogicalFace(rank, suit);
    return DrawDenseFace(rank, suit, ratio);
}

}  // namespace tolvane

#include "faces.h"

#include <array>

#include "card_blank.h"
#include "court_figures.h"
#include "pip_layout.h"
#include "raster/palette.h"
#include "raster/stamp.h"
#include "suit_shapes.h"
#include "suit_stamps.h"
#include "raster/density.h"

namespace tolvane {

namespace {

enum LayerColour { Ink, Paper };

struct PipLayer {
    QSize size;
    LayerColour colour;
};

void DrawPips(QImage& card, int rank, Suit suit) {
    for (QPointF centre : PipCentres(rank))
        Stamp(card, IsInLowerHalf(centre) ? UpsideDownPipStamp(suit) : PipStamp(suit),
              TopLeftForCentre(centre, kPipSize));
}

// An Ace's big pip, drawn as layers of one suit symbol centred on the card,
// largest first. The Ace of Spades is the grander one: a white line runs
// just inside its outline, and a small spade ringed in white sits at its heart.
const std::array<PipLayer, 1> kPlainAce = {{{{31, 34}, Ink}}};
const std::array<PipLayer, 5> kOrnateAce = {{
    {{35, 38}, Ink}, {{29, 32}, Paper}, {{27, 30}, Ink},  // the big spade and its inner line
    {{13, 14}, Paper}, {{9, 10}, Ink},                    // the small spade at its heart
}};

template <std::size_t N>
void StampLayers(QImage& card, Suit suit, const std::array<PipLayer, N>& layers) {
    for (const PipLayer& layer : layers) {
        const QRgb colour = layer.colour == Ink ? SuitInk(suit) : palette::White;
        Stamp(card, SuitStamp(suit, layer.size, colour), TopLeftForCentre(kCardCentre, layer.size));
    }
}

void DrawAcePip(QImage& card, Suit suit) {
    if (suit == Spades)
        StampLayers(card, suit, kOrnateAce);
    else
        StampLayers(card, suit, kPlainAce);
}

}  // namespace

QImage DrawFace(int card, double ratio) {
    if (ratio != 1.0)
        return EnlargedStandIn(DrawFace(card), ratio);
    const int rank = CardRank(card);
    const Suit suit = static_cast<Suit>(CardSuit(card));
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

}  // namespace tolvane

#include "faces.h"

#include <QPainter>

#include <array>

#include "card_blank.h"
#include "court_figures.h"
#include "palette.h"
#include "pip_layout.h"
#include "stamp.h"
#include "suit_shapes.h"

namespace tolvane {

namespace {

constexpr QPointF kAceCentre{35, 47.5};

enum LayerColour { Ink, Paper };

struct PipLayer {
    QSize size;
    LayerColour colour;
};

QPoint TopLeftForCentre(QPointF centre, QSize size) {
    return {qRound(centre.x() - (size.width() - 1) / 2.0), qRound(centre.y() - (size.height() - 1) / 2.0)};
}

void DrawPips(QImage& card, int rank, Suit suit) {
    const QImage upright = SuitStamp(suit, kPipSize, SuitInk(suit));
    const QImage upsideDown = TurnedOver(upright);
    for (QPointF centre : PipCentres(rank))
        Stamp(card, IsInLowerHalf(centre) ? upsideDown : upright, TopLeftForCentre(centre, kPipSize));
}

// The big pip of an Ace at the card's middle, and the Ace of Spades'
// grander one: a white line runs inside its outline, round a second spade.
const std::array<PipLayer, 1> kPlainAce = {{{{31, 34}, Ink}}};
const std::array<PipLayer, 3> kOrnateAce = {{{{35, 38}, Ink}, {{29, 32}, Paper}, {{27, 30}, Ink}}};

template <std::size_t N>
void StampLayers(QImage& card, Suit suit, const std::array<PipLayer, N>& layers) {
    for (const PipLayer& layer : layers) {
        const QRgb colour = layer.colour == Ink ? SuitInk(suit) : palette::White;
        Stamp(card, SuitStamp(suit, layer.size, colour), TopLeftForCentre(kAceCentre, layer.size));
    }
}

void DrawAcePip(QImage& card, Suit suit) {
    if (suit == Spades)
        StampLayers(card, suit, kOrnateAce);
    else
        StampLayers(card, suit, kPlainAce);
}

}  // namespace

QImage DrawFace(int card) {
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

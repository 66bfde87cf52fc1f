#include "suit_stamps.h"

#include "once_per_suit.h"
#include "pip_layout.h"
#include "raster/density_memo.h"
#include "raster/stamp.h"
#include "suit_shapes.h"

namespace tolvane {

namespace {

QImage InkedPipStamp(Suit suit) {
    return SuitStamp(suit, kPipSize, SuitInk(suit));
}

QImage InkedUpsideDownPipStamp(Suit suit) {
    return TurnedOver(PipStamp(suit));
}

QImage InkedIndexSuitStamp(Suit suit) {
    return SuitStamp(suit, kIndexSuitSize, SuitInk(suit));
}

}  // namespace

const QImage& PipStamp(Suit suit) {
    CheckSuit(suit);
    return MadeOncePerSuit<QImage, InkedPipStamp>(suit);
}

const QImage& UpsideDownPipStamp(Suit suit) {
    CheckSuit(suit);
    return MadeOncePerSuit<QImage, InkedUpsideDownPipStamp>(suit);
}

const QImage& IndexSuitStamp(Suit suit) {
    CheckSuit(suit);
    return MadeOncePerSuit<QImage, InkedIndexSuitStamp>(suit);
}

QImage DenseSuitStamp(Suit suit, QSize size, Upright way, double ratio) {
    CheckSuit(suit);
    static DensityMemo<QImage> memo;
    const PartKey key{{suit, static_cast<int>(way), size.width(), size.height()}};
    return memo.Get(ratio, key, [&] { return SuitSymbolStamp(suit, size, SuitInk(suit), way); });
}

void StampSuitSymbol(QPainter& painter, Suit suit, const QRect& box, Upright way, double ratio) {
    const QImage stamp = DenseSuitStamp(suit, box.size(), way, ratio);
    painter.drawImage(box.topLeft() + stamp.offset(), stamp);
}

}  // namespace tolvane

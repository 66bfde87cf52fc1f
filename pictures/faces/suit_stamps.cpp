#include "suit_stamps.h"

#include <array>

#include "pip_layout.h"
#include "raster/stamp.h"
#include "raster/density_memo.h"
#include "suit_shapes.h"

namespace tolvane {

namespace {

using StampPerSuit = std::array<QImage, 4>;

template <typename Draw>
StampPerSuit DrawForEachSuit(Draw draw) {
    return {draw(Clubs), draw(Diamonds), draw(Hearts), draw(Spades)};
}

QImage InkedSuitStamp(Suit suit, QSize size) {
    return SuitStamp(suit, size, SuitInk(suit));
}

}  // namespace

const QImage& PipStamp(Suit suit) {
    CheckSuit(suit);
    static const StampPerSuit kStamps = DrawForEachSuit([](Suit each) { return InkedSuitStamp(each, kPipSize); });
    return kStamps[suit];
}

const QImage& UpsideDownPipStamp(Suit suit) {
    CheckSuit(suit);
    static const StampPerSuit kStamps = DrawForEachSuit([](Suit each) { return TurnedOver(PipStamp(each)); });
    return kStamps[suit];
}

const QImage& IndexSuitStamp(Suit suit) {
    CheckSuit(suit);
    static const StampPerSuit kStamps =
        DrawForEachSuit([](Suit each) { return InkedSuitStamp(each, kIndexSuitSize); });
    return kStamps[suit];
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

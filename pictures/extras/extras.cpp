#include "extras.h"

#include <stdexcept>
#include <string>

#include "placeholder_cards.h"
#include "small_pictures.h"

namespace tolvane {

namespace {

constexpr int kCrossPlaceholder = 0;
constexpr int kRingPlaceholder = 1;
constexpr int kFirstSmallPicture = kRingPlaceholder + 1;
static_assert(kFirstSmallPicture + kSmallPictureCount == kExtraCount);

}  // namespace

QImage DrawExtra(int extra, double ratio) {
    if (extra < 0 || extra >= kExtraCount)
        throw std::out_of_range("extra picture " + std::to_string(extra) + " is outside 0.." +
                                std::to_string(kExtraCount - 1));
    if (extra == kCrossPlaceholder)
        return DrawCrossPlaceholder(ratio);
    if (extra == kRingPlaceholder)
        return DrawRingPlaceholder(ratio);
    return DrawSmallPicture(extra - kFirstSmallPicture, ratio);
}

}  // namespace tolvane

#pragma once

#include <array>

#include "deck/card.h"

namespace tolvane {

template <class Part, Part (*kMake)(Suit), Suit kSuit>
const Part& MadeOnce() {
    static const Part kPart = kMake(kSuit);
    return kPart;
}

// kMake(suit), made the first time it is asked for and kept for the
// program's run. Each suit's is made on its own, so a window that starts
// showing one suit pays for that suit's alone. `suit` must be a Suit value.
template <class Part, Part (*kMake)(Suit)>
const Part& MadeOncePerSuit(Suit suit) {
    static constexpr std::array<const Part& (*)(), 4> kParts = {
        MadeOnce<Part, kMake, Clubs>, MadeOnce<Part, kMake, Diamonds>, MadeOnce<Part, kMake, Hearts>,
        MadeOnce<Part, kMake, Spades>};
    return kParts[suit]();
}

}  // namespace tolvane

#include "deck/card.h"

#include <array>
#include <stdexcept>

namespace tolvane {

namespace {

constexpr std::array<const char*, 4> kSuitSuffix = {
    " of Clubs", " of Diamonds", " of Hearts", " of Spades"};

std::string RankText(int rank) {
    switch (rank) {
    case Ace: return "A";
    case Jack: return "J";
    case Queen: return "Q";
    case King: return "K";
    default: return std::to_string(rank);
    }
}

}  // namespace

void CheckCard(int card) {
    if (card < kFirstCard || card > kLastCard)
        throw std::out_of_range("card number " + std::to_string(card) +
                                " is outside 1..52");
}

int CardRank(int card) {
    CheckCard(card);
    return (card - 1) % kRanksPerSuit + 1;
}

int CardSuit(int card) {
    CheckCard(card);
    return (card - 1) / kRanksPerSuit;
}

std::string CardName(int card) {
    return RankText(CardRank(card)) + kSuitSuffix[CardSuit(card)];
}

}  // namespace tolvane

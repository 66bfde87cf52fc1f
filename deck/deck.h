#pragma once

#include <vector>

namespace tolvane {

class RandomSource;

// An ordered sequence of card numbers with 1-based positions 1..Count().
// A bad position or card number throws std::out_of_range naming it and
// leaves the deck as it was.
class Deck {
public:
    int Count() const;
    int Item(int position) const;
    void Add(int card);  // appends after the last card
    void Remove(int position);  // later cards move down one place

    bool operator==(const Deck&) const = default;

private:
    void CheckPosition(int position) const;

    std::vector<int> cards_;
};

// Makes `deck` hold 1, 2, ..., 52 in that order.
void NewDeck(Deck& deck);

// Reseeds `random`, then draws the deck's cards one at a time into a new
// deck: the first card drawn becomes position 1. If `random` throws, the
// deck is left as it was.
void ShuffleDeck(Deck& deck, RandomSource& random);

// The position, 1..n, that a random value r in [0, 1) picks from n cards.
// Throws std::out_of_range naming `n` if it is below 1, or `r` if it lies
// outside [0, 1).
int DrawPosition(double r, int n);

}  // namespace tolvane

#include "deck/deck.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "deck/card.h"
#include "deck/random_source.h"

namespace tolvane {

int Deck::Count() const {
    return static_cast<int>(cards_.size());
}

int Deck::Item(int position) const {
    CheckPosition(position);
    return cards_[position - 1];
}

void Deck::Add(int card) {
    CheckCard(card);
    cards_.push_back(card);
}

void Deck::Remove(int position) {
    CheckPosition(position);
    cards_.erase(cards_.begin() + (position - 1));
}

void Deck::CheckPosition(int position) const {
    if (position < 1 || position > Count())
        throw std::out_of_range("deck position " + std::to_string(position) +
                                " is outside 1.." + std::to_string(Count()));
}

void NewDeck(Deck& deck) {
    deck = Deck{};
    for (int card = kFirstCard; card <= kLastCard; ++card)
        deck.Add(card);
}

int DrawPosition(double r, int n) {
    if (n < 1)
        throw std::out_of_range("cannot draw from " + std::to_string(n) + " cards");
    if (!(r >= 0.0 && r < 1.0))
        throw std::out_of_range("random value " + std::to_string(r) + " is outside [0, 1)");
    // For r a hair below 1, r * n + 1.0 can round up to n + 1 in double
    // precision (r = 1 - 2^-53 with n = 3 does), so the result is held to 1..n.
    const double k = std::floor(r * n + 1.0);
    return static_cast<int>(std::clamp(k, 1.0, static_cast<double>(n)));
}

void ShuffleDeck(Deck& deck, RandomSource& random) {
    random.Reseed();
    Deck remaining = deck;
    Deck drawn;
    while (remaining.Count() > 0) {
        const double r = random.Next();
        const int k = DrawPosition(r, remaining.Count());
        drawn.Add(remaining.Item(k));
        remaining.Remove(k);
    }
    deck = std::move(drawn);
}

}  // namespace tolvane

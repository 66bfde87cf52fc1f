#pragma once

#include <string>

namespace tolvane {

// A card is a number 1..52, suit-major: 1..13 Clubs, 14..26 Diamonds,
// 27..39 Hearts, 40..52 Spades, each running Ace, 2..10, Jack, Queen, King.
// Every function here throws std::out_of_range for a number outside 1..52.

inline constexpr int kFirstCard = 1;
inline constexpr int kLastCard = 52;
inline constexpr int kRanksPerSuit = 13;

enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };
enum Rank { Ace = 1, Jack = 11, Queen = 12, King = 13 };

// Throws std::out_of_range naming `card` unless it lies in 1..52.
void CheckCard(int card);

int CardRank(int card);  // 1 = Ace .. 13 = King
int CardSuit(int card);  // a Suit value, 0..3
std::string CardName(int card);  // "A of Clubs", "10 of Hearts", "K of Spades"

}  // namespace tolvane

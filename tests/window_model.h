#pragma once

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "deck/card.h"
#include "pictures/picture_catalogue.h"
#include "seeded_random.h"
#include "window_fixture.h"

// What the window ought to show after any sequence of user actions, worked
// out apart from the window's own code: the deck order (replaying each
// shuffle's draws on a twin of the window's random source), the selected
// list row, each selector's chosen entry and where the keyboard focus is.

// The controls that take keyboard focus, in Tab order.
enum class FocusControl { List, Shuffle, AllSelector, BackSelector };
inline constexpr int kFocusControls = 4;

// Moves `index` by `step` within 0..count-1, stopping at either end.
inline int Stepped(int index, int step, int count) {
    return std::clamp(index + step, 0, count - 1);
}

// Where typing `text` after a pause moves a list or selector: to the next
// entry after `current`, going round, that starts with the text, ignoring
// case; nowhere if none does.
inline int SearchedIndex(const QStringList& entries, int current, const QString& text) {
    const int count = static_cast<int>(entries.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (current + step) % count;
        if (entries[index].startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return current;
}

class WindowModel {
public:
    explicit WindowModel(std::uint64_t seed) : random_(seed) {
        for (int card = tolvane::kFirstCard; card <= tolvane::kLastCard; ++card)
            deck.push_back(card);
    }

    // Draws every card in turn at position floor(r * n + 1), held to 1..n,
    // from the n cards left, after one reseed.
    void Shuffle() {
        random_.Reseed();
        std::vector<int> remaining = deck;
        deck.clear();
        while (!remaining.empty()) {
            const double r = random_.Next();
            const double n = static_cast<double>(remaining.size());
            const auto position = static_cast<std::size_t>(std::clamp(std::floor(r * n + 1.0), 1.0, n));
            deck.push_back(remaining[position - 1]);
            remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(position - 1));
        }
        row = 0;
    }

    void MoveFocus(int steps) {
        const int next = (static_cast<int>(focus) + steps + kFocusControls) % kFocusControls;
        focus = static_cast<FocusControl>(next);
    }

    // The card names in deck order, as the list should show them.
    const QStringList& ListEntries() const {
        if (listedDeck_ != deck) {
            listedDeck_ = deck;
            listEntries_.clear();
            for (int card : deck)
                listEntries_ << QString::fromStdString(tolvane::CardName(card));
        }
        return listEntries_;
    }

    int SelectedCard() const { return deck[static_cast<std::size_t>(row)]; }

    static QStringList AllEntries() { return Numbers(tolvane::kFirstPicture, tolvane::kLastPicture); }
    static QStringList BackEntries() { return Numbers(tolvane::kFirstBack, tolvane::kLastBack); }

    std::vector<int> deck;  // card numbers, deck position 1 first
    int row = 0;
    int allIndex = 0;
    int backIndex = 0;
    FocusControl focus = FocusControl::List;
    bool minimised = false;

private:
    SeededRandom random_;
    mutable std::vector<int> listedDeck_;
    mutable QStringList listEntries_;
};

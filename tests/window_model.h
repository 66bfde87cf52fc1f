#pragma once

#include <QStringList>

#include <algorithm>
#include <cstdint>

#include "deck/card.h"
#include "deck/deck.h"
#include "pictures/picture_catalogue.h"
#include "seeded_random.h"
#include "window_fixture.h"

// What the window ought to show after any sequence of user actions, worked
// out apart from the window: the deck order (the deck's own shuffle drawing
// from a twin of the window's random source), the selected list row, each
// selector's chosen entry and where the keyboard focus is.

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
    explicit WindowModel(std::uint64_t seed) : random_(seed) { tolvane::NewDeck(deck); }

    void Shuffle() {
        tolvane::ShuffleDeck(deck, random_);
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
            for (int position = 1; position <= deck.Count(); ++position)
                listEntries_ << QString::fromStdString(tolvane::CardName(deck.Item(position)));
        }
        return listEntries_;
    }

    int SelectedCard() const { return deck.Item(row + 1); }

    static QStringList AllEntries() { return Numbers(tolvane::kFirstPicture, tolvane::kLastPicture); }
    static QStringList BackEntries() { return Numbers(tolvane::kFirstBack, tolvane::kLastBack); }

    tolvane::Deck deck;
    int row = 0;
    int allIndex = 0;
    int backIndex = 0;
    FocusControl focus = FocusControl::List;
    bool minimised = false;

private:
    SeededRandom random_;
    mutable tolvane::Deck listedDeck_;
    mutable QStringList listEntries_;
};

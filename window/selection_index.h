#pragma once

#include <functional>

namespace tolvane {

// Qt's list and combo widgets signal selection changes on their own terms:
// while entries are cleared or added, possibly more than once per change,
// and sometimes with nothing changed. The tracker turns those signals into
// one report per real change of the selected index, made synchronously, for
// a change by code and by the user alike.
class SelectionTracker {
public:
    SelectionTracker(std::function<int()> selectedIndex, std::function<void()> report);

    // Connect every selection signal of the widget here.
    void Notice();

    // Runs an edit of the entries without any report; the selection it leaves
    // counts as already reported.
    void Quietly(const std::function<void()>& edit);

private:
    std::function<int()> selectedIndex_;
    std::function<void()> report_;
    int reported_ = -1;
    bool quiet_ = false;
};

// Throws std::out_of_range naming `index` unless it is -1 (no selection) or
// an entry of a control holding `count` entries.
void CheckSelectionIndex(int index, int count);

}  // namespace tolvane

#include "selection_tracker.h"

#include <QScopedValueRollback>

#include <stdexcept>
#include <string>

namespace tolvane {

SelectionTracker::SelectionTracker(std::function<int()> selectedIndex, std::function<void()> report)
    : selectedIndex_(std::move(selectedIndex)), report_(std::move(report)) {}

void SelectionTracker::Notice() {
    const int index = selectedIndex_();
    if (quiet_ || index == reported_)
        return;
    // Recorded before reporting, so a handler that reads or sets the
    // selection again sees this change as already told.
    reported_ = index;
    report_();
}

void SelectionTracker::Quietly(const std::function<void()>& edit) {
    {
        const QScopedValueRollback<bool> silence(quiet_, true);
        edit();
    }
    reported_ = selectedIndex_();
}

void CheckSelectionIndex(int index, int count) {
    if (index < -1 || index >= count)
        throw std::out_of_range("selection index " + std::to_string(index) + " is outside -1.." +
                                std::to_string(count - 1));
}

}  // namespace tolvane

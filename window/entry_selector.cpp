#include "entry_selector.h"

#include <QSignalBlocker>

#include <stdexcept>
#include <string>

#include "selection_index.h"

namespace tolvane {

EntrySelector::EntrySelector(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // Qt signals a change of the current entry only when it changes.
    connect(this, &QComboBox::currentIndexChanged, this, &EntrySelector::SelectionChanged);
}

void EntrySelector::Clear() {
    const QSignalBlocker quiet(this);
    clear();
}

void EntrySelector::AddItem(const QString& text) {
    const QSignalBlocker quiet(this);
    const int selected = currentIndex();
    addItem(text);
    setCurrentIndex(selected);  // QComboBox selects the first entry added to it
}

int EntrySelector::SelectedIndex() const {
    return currentIndex();
}

void EntrySelector::SetSelectedIndex(int index) {
    CheckSelectionIndex(index, count());
    setCurrentIndex(index);
}

QString EntrySelector::EntryText(int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range("entry index " + std::to_string(index) + " is outside 0.." +
                                std::to_string(count() - 1));
    return itemText(index);
}

}  // namespace tolvane

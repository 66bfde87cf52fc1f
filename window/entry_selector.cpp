#include "entry_selector.h"

#include <stdexcept>
#include <string>

namespace tolvane {

EntrySelector::EntrySelector(QWidget* parent)
    : QComboBox(parent),
      tracker_([this] { return SelectedIndex(); }, [this] { emit SelectionChanged(); }) {
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { tracker_.Notice(); });
}

void EntrySelector::Clear() {
    tracker_.Quietly([this] { clear(); });
}

void EntrySelector::AddItem(const QString& text) {
    tracker_.Quietly([&] {
        const int selected = currentIndex();
        addItem(text);
        setCurrentIndex(selected);  // QComboBox selects the first entry added to it
    });
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

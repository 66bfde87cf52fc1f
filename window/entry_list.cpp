#include "entry_list.h"

namespace tolvane {

EntryList::EntryList(QWidget* parent)
    : QListWidget(parent),
      tracker_([this] { return SelectedIndex(); }, [this] { emit SelectionChanged(); }) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { tracker_.Notice(); });
}

void EntryList::Clear() {
    tracker_.Quietly([this] { clear(); });
}

void EntryList::AddItem(const QString& text) {
    tracker_.Quietly([&] { addItem(text); });
}

int EntryList::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void EntryList::SetSelectedIndex(int index) {
    CheckSelectionIndex(index, count());
    setCurrentRow(index);
}

QItemSelectionModel::SelectionFlags EntryList::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    // Qt lets Ctrl+click or Ctrl+Space unselect the one selected entry; a
    // single-selection list here always keeps its selection once it has one.
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    return flags.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
}

}  // namespace tolvane

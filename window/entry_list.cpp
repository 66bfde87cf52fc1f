#include "entry_list.h"

#include <QSignalBlocker>

#include "selection_index.h"

namespace tolvane {

EntryList::EntryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // Qt signals a change of the selected items only when they change.
    connect(this, &QListWidget::itemSelectionChanged, this, &EntryList::SelectionChanged);
}

void EntryList::Clear() {
    const QSignalBlocker quiet(this);
    clear();
}

void EntryList::AddItem(const QString& text) {
    addItem(text);
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
    // Qt lets Ctrl+click or Ctrl+Space unselect the one selected entry, and
    // a click on the blank space below the last entry clear the selection;
    // a single-selection list here always keeps its selection once it has one.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    return flags.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
}

}  // namespace tolvane

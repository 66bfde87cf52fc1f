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
    if (hasFocus()) {
        setCurrentRow(index);
    } else if (index < 0) {
        clearSelection();
    } else {
        // Selected without becoming current: the focus stays where it is,
        // and a screen reader hears of the new selection alone.
        const QModelIndex entry = model()->index(index, 0);
        selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
        scrollTo(entry);
    }
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

void EntryList::focusInEvent(QFocusEvent* event) {
    MakeSelectionCurrent();
    QListWidget::focusInEvent(event);
}

void EntryList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void EntryList::keyPressEvent(QKeyEvent* event) {
    MakeSelectionCurrent();
    QListWidget::keyPressEvent(event);
}

void EntryList::MakeSelectionCurrent() {
    const int selected = SelectedIndex();
    if (selected < 0 || currentRow() == selected)
        return;
    // Without scrolling: a click that brings the focus must land on the
    // entry that was under the pointer.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(model()->index(selected, 0), QItemSelectionModel::NoUpdate);
    setAutoScroll(scrolls);
}

}  // namespace tolvane

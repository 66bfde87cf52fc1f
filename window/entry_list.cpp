#include "entry_list.h"

#include <QEvent>
#include <QPainter>

#include "selection_index.h"

namespace tolvane {

EntryList::EntryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // Qt signals a change of the selected items only when they change. The
    // user cannot unselect, so a change to no selection is clearing the list,
    // or SetSelectedIndex(-1), which reports for itself.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (SelectedIndex() >= 0)
            emit SelectionChanged();
    });
}

void EntryList::Clear() {
    clear();
}

void EntryList::AddItem(const QString& text) {
    addItem(text);
}

int EntryList::WidestEntryWidth() {
    executeDelayedItemsLayout();
    return contentsSize().width();
}

int EntryList::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void EntryList::SetSelectedIndex(int index) {
    CheckSelectionIndex(index, count());
    const bool unselects = index < 0 && SelectedIndex() >= 0;
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
    if (unselects)
        emit SelectionChanged();
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

// Fusion shows a list's focus only as a faint outline round its current
// entry, which on a selected entry hardly differs from the selection. While
// the list has the focus its frame is drawn over in the highlight colour, as
// Fusion draws a focused text field's. The frame is painted with the list
// itself, not its viewport, and every focus change repaints it.
bool EntryList::event(QEvent* event) {
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        // Four fills, each side as thick as Fusion's own frame at any scale.
        const QRect frame = frameRect();
        const QColor highlight = palette().color(QPalette::Highlight);
        QPainter painter(this);
        for (const QRect& side : {QRect(frame.left(), frame.top(), frame.width(), 1),
                                  QRect(frame.left(), frame.bottom(), frame.width(), 1),
                                  QRect(frame.left(), frame.top(), 1, frame.height()),
                                  QRect(frame.right(), frame.top(), 1, frame.height())})
            painter.fillRect(side, highlight);
    }
    return handled;
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

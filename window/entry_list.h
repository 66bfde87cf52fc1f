#pragma once

#include <QListWidget>

namespace tolvane {

// A single-selection list of text entries, kept in the order they were added.
// Entries count from 0; -1 means no entry is selected. SelectionChanged is
// emitted once for each change of the selection, whether made by SetSelectedIndex
// (before it returns) or by the user with mouse or keyboard, and never by
// filling the list (Clear and AddItem, or Qt's clear and addItem) or the list
// taking keyboard focus. The user cannot unselect
// the selected entry. Only while the list holds the keyboard focus is the
// selected entry also its current one: screen readers take the current entry
// of a list for the focused object, wherever the keyboard focus is. While
// the list has the focus, its frame is drawn in the palette's highlight.
class EntryList final : public QListWidget {
    Q_OBJECT

public:
    explicit EntryList(QWidget* parent);

    void Clear();  // afterwards no entry is selected
    void AddItem(const QString& text);  // leaves the selection as it is
    int SelectedIndex() const;
    // Throws std::out_of_range naming `index` unless it is -1 or an entry.
    void SetSelectedIndex(int index);
    // The width of the widest entry as the list lays it out, in pixels:
    // what sizeHintForColumn(0) measures, from the layout the list keeps
    // anyway rather than measuring every entry again.
    int WidestEntryWidth();

signals:
    void SelectionChanged();

protected:
    bool event(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keyboard moves start from the selected entry.
    void MakeSelectionCurrent();
};

}  // namespace tolvane

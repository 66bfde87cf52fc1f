#pragma once

#include <QComboBox>

namespace tolvane {

// A drop-down selector over text entries that the user chooses from but
// cannot type into. Entries count from 0; -1 means no entry is selected.
// Unlike a bare QComboBox, adding the first entry does not select it.
// SelectionChanged is emitted once for each change of the selection, whether
// made by SetSelectedIndex (before it returns) or by the user, and never by
// Clear or AddItem.
class EntrySelector final : public QComboBox {
    Q_OBJECT

public:
    explicit EntrySelector(QWidget* parent);

    void Clear();  // afterwards no entry is selected
    void AddItem(const QString& text);  // leaves the selection as it is
    int SelectedIndex() const;
    // Throws std::out_of_range naming `index` unless it is -1 or an entry.
    void SetSelectedIndex(int index);
    // Throws std::out_of_range naming `index` unless it is an entry.
    QString EntryText(int index) const;

signals:
    void SelectionChanged();
};

}  // namespace tolvane

#pragma once

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>

namespace tolvane {

class ZoomedStyle;

// A drop-down selector over text entries that the user chooses from but
// cannot type into. Entries count from 0; -1 means no entry is selected.
// Unlike a bare QComboBox, adding the first entry does not select it, even
// through Qt's addItem. SelectionChanged is emitted once for each change of
// the selection, whether made by SetSelectedIndex (before it returns) or by
// the user, and never by filling the selector (Clear and AddItem, or Qt's
// clear and addItem). Its popup drops below it as a list at most
// kShownEntries entries tall, with a scroll bar, and at least as wide as its
// widest entry.
class EntrySelector final : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kShownEntries = 12;

    explicit EntrySelector(QWidget* parent);

    void Clear();  // afterwards no entry is selected
    // Leaves the selection as it is. `data` is kept with the entry.
    void AddItem(const QString& text, const QVariant& data = {});
    int SelectedIndex() const;
    // Throws std::out_of_range naming `index` unless it is -1 or an entry.
    void SetSelectedIndex(int index);
    // Throws std::out_of_range naming `index` unless it is an entry.
    QVariant EntryData(int index) const;

    // Draws the popup's entries with `painter` (the selector's child).
    void SetEntryPainter(QAbstractItemDelegate* painter);

    // The popup's list of entries, made ready for use first: a list
    // dropping below the selector, its entries drawn by the entry painter,
    // the selected one marked. Use it rather than view().
    QAbstractItemView* PopupList();

    // Grows the selector's own measures and its arrow, and its popup's,
    // by `zoom` (1: the application's style as it is), from its next change
    // of font on (which a zoom brings), or at once from or to 1.
    void SetZoom(double zoom);
    // Takes the application's new style, at the zoom as it is.
    void FollowApplicationStyle();

    void showPopup() override;

signals:
    void SelectionChanged();

private:
    void CheckEntry(int index) const;

    void MarkInPopup(int index);
    void UseStyle();

    bool addingToNoSelection_ = false;  // while Qt adds entries to a selector with none selected
    bool popupReady_ = false;
    QAbstractItemDelegate* entryPainter_ = nullptr;
    double zoom_ = 1;
    QStyle* style_ = nullptr;  // its own, once its popup is ready or it is zoomed
    ZoomedStyle* zoomed_ = nullptr;  // what style_ stands on while zoomed
};

}  // namespace tolvane

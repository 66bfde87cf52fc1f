#include "entry_selector.h"

#include <QAbstractItemView>
#include <QProxyStyle>
#include <QScrollBar>

#include <stdexcept>
#include <string>
#include <utility>

#include "accessible_line.h"
#include "selection_index.h"
#include "zoomed_style.h"

namespace tolvane {

namespace {

// Qt's desktop styles open a selector that cannot be typed into as a menu
// over it, as tall as all its entries up to the screen's height, ignoring
// maxVisibleItems. As a list dropping below the selector, the popup keeps to
// maxVisibleItems entries and scrolls.
class ListPopupStyle final : public QProxyStyle {
public:
    explicit ListPopupStyle(QStyle* base) : QProxyStyle(base) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// What a screen reader meets. Qt on Linux names a selector by its current
// text, so the name set on it never reaches the reader; here the name is the
// selector's own ("Card backs") and the current text is its value. Its line
// is its current entry as screen readers say it (the entry's
// Qt::AccessibleTextRole, else its text). Its one child is the popup's list
// of entries.
class AccessibleSelector final : public AccessibleLine {
public:
    explicit AccessibleSelector(EntrySelector* selector) : AccessibleLine(selector, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Selector()->currentText() : QAccessibleWidget::text(kind);
    }
    using AccessibleLine::text;

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Selector()->PopupList()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Selector()->PopupList() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Selector()->PopupList()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            Selector()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

protected:
    QString Line() const override {
        const QString spoken = Selector()->currentData(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? Selector()->currentText() : spoken;
    }

private:
    EntrySelector* Selector() const { return static_cast<EntrySelector*>(widget()); }
};

QAccessibleInterface* AccessibleSelectors(const QString& className, QObject* object) {
    if (className == QLatin1String(EntrySelector::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleSelector(static_cast<EntrySelector*>(object));
    return nullptr;
}

}  // namespace

EntrySelector::EntrySelector(QWidget* parent) : QComboBox(parent) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(AccessibleSelectors), true);
    setEditable(false);
    setMaxVisibleItems(kShownEntries);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (popupReady_)
            MarkInPopup(index);
    });
    // QComboBox selects the first entry added to a selector with none
    // selected, as the rows come in and before this selector hears of them;
    // undone here once they are in.
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this] { addingToNoSelection_ = currentIndex() < 0; });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (std::exchange(addingToNoSelection_, false))
            setCurrentIndex(-1);
    });
    // Qt signals a change of the current entry only when it changes. The user
    // cannot unselect, so a change to no selection is clearing the selector,
    // or SetSelectedIndex(-1), which reports for itself.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && !addingToNoSelection_)
            emit SelectionChanged();
    });
}

void EntrySelector::Clear() {
    clear();
}

void EntrySelector::AddItem(const QString& text, const QVariant& data) {
    addItem(text, data);
}

int EntrySelector::SelectedIndex() const {
    return currentIndex();
}

void EntrySelector::SetSelectedIndex(int index) {
    CheckSelectionIndex(index, count());
    const bool unselects = index < 0 && currentIndex() >= 0;
    setCurrentIndex(index);
    if (unselects)
        emit SelectionChanged();
}

QVariant EntrySelector::EntryData(int index) const {
    CheckEntry(index);
    return itemData(index);
}

void EntrySelector::SetEntryPainter(QAbstractItemDelegate* painter) {
    entryPainter_ = painter;
    if (popupReady_)
        setItemDelegate(painter);
}

// Qt makes a selector's popup the first time it is asked for, and making it
// with its style and entry painter costs more than the rest of the selector
// does at start; a window that starts need not pay for it before the user
// opens a popup or a screen reader looks into one.
QAbstractItemView* EntrySelector::PopupList() {
    if (!popupReady_) {
        popupReady_ = true;
        UseStyle();
        if (entryPainter_ != nullptr)
            setItemDelegate(entryPainter_);
        // Where the style opens popups as menus, Qt makes the popup's list
        // without a scroll bar; a font change (the window's zoom) can have
        // made it so before this style came.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        MarkInPopup(currentIndex());
    }
    return view();
}

// From one zoom to another the style stays, its zoom changed. The popup
// gets its own style and entry painter only when it is first used, zoomed
// or not: until then Qt lays out its entries, on every change of font, as
// it does those of a menu, at less cost.
void EntrySelector::SetZoom(double zoom) {
    const bool wasZoomed = zoom_ != 1;
    zoom_ = zoom;
    if (wasZoomed && zoom != 1)
        zoomed_->SetZoom(zoom);
    else if (style_ != nullptr || zoom != 1)
        UseStyle();
}

void EntrySelector::FollowApplicationStyle() {
    if (style_ != nullptr)
        UseStyle();
}

// A new style on the application's style as it is now: zoomed while the
// window is, the popup's as a list once it is ready. The popup's list and
// its scroll bar take the zoom as well. Unzoomed and never opened, the
// selector and its popup take the application's style itself, as before
// the first zoom.
void EntrySelector::UseStyle() {
    zoomed_ = zoom_ == 1 ? nullptr : new ZoomedStyle(zoom_);
    QStyle* style = zoomed_;
    if (popupReady_)
        style = new ListPopupStyle(zoomed_ != nullptr ? zoomed_ : ApplicationStyleCopy());
    if (style != nullptr)
        style->setParent(this);
    setStyle(style);
    if (popupReady_) {
        QAbstractItemView* list = view();
        for (QWidget* part : {static_cast<QWidget*>(list->verticalScrollBar()), static_cast<QWidget*>(list)})
            part->setStyle(zoomed_ != nullptr ? style : nullptr);
    }
    delete std::exchange(style_, style);
}

// The popup's list marks the chosen entry even while closed, which is where
// a screen reader looks for the selector's value. Selected, not made
// current: that would tell the reader the closed list had focus.
void EntrySelector::MarkInPopup(int index) {
    view()->selectionModel()->select(model()->index(index, modelColumn()), QItemSelectionModel::ClearAndSelect);
}

void EntrySelector::showPopup() {
    // Measured only now, so entries that draw something costly (a picture)
    // cost nothing until the user opens the popup.
    QAbstractItemView* list = PopupList();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    QComboBox::showPopup();
}

void EntrySelector::CheckEntry(int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range("entry index " + std::to_string(index) + " is outside 0.." +
                                std::to_string(count() - 1));
}

}  // namespace tolvane

#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

namespace tolvane {

// A control that screen readers can read as one line of words, what it
// shows: Orca speaks a selector's line after its name when it gets focus,
// and reads an image's line in review where it would say only the name.
// The whole line lies over the whole control; nothing in it is selectable.
class AccessibleLine : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleLine(QWidget* widget, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;
    using QAccessibleWidget::text;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    virtual QString Line() const = 0;
};

}  // namespace tolvane

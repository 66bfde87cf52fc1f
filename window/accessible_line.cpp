#include "accessible_line.h"

namespace tolvane {

AccessibleLine::AccessibleLine(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

void* AccessibleLine::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLine::text(int startOffset, int endOffset) const {
    return Line().mid(startOffset, endOffset - startOffset);
}

int AccessibleLine::characterCount() const {
    return int(Line().size());
}

QRect AccessibleLine::characterRect(int) const {
    return rect();
}

int AccessibleLine::offsetAtPoint(const QPoint&) const {
    return 0;
}

QString AccessibleLine::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

int AccessibleLine::cursorPosition() const {
    return 0;
}

void AccessibleLine::setCursorPosition(int) {}

void AccessibleLine::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleLine::selectionCount() const {
    return 0;
}

void AccessibleLine::addSelection(int, int) {}
void AccessibleLine::removeSelection(int) {}
void AccessibleLine::setSelection(int, int, int) {}
void AccessibleLine::scrollToSubstring(int, int) {}

}  // namespace tolvane

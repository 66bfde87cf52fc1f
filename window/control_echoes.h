#pragma once

class QAbstractItemView;
class QComboBox;

namespace tolvane {

class SpokenNotice;

// What controls repeat to screen readers that Qt 6's accessibility leaves
// unsaid to Orca.

// Qt tells that a list got the focus, but of its current entry only before
// that, or not at all when the entry is current already; Orca then says the
// list's name and size and never which entry the keys move from. Told of
// the entry once more, shortly after the list gets the focus, it says it.
void EchoCurrentEntryOnFocus(QAbstractItemView& list);

// A closed selector's entry changed with the keys is told through `notice`,
// in the words of the entry's Qt::AccessibleTextRole: Orca says nothing of
// a focused selector's new value. Choices in the open popup are spoken by
// Orca itself.
void EchoKeyedChoices(QComboBox& selector, SpokenNotice& notice);

}  // namespace tolvane

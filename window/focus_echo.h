#pragma once

class QAbstractItemView;

namespace tolvane {

// Qt tells screen readers that a list got the focus, but of its current
// entry only after it, or not at all when the entry is current already;
// Orca then says the list's name and size and never which entry the keys
// move from. Told of the entry once more, shortly after the list gets the
// focus, it says it as well.
void EchoCurrentEntryOnFocus(QAbstractItemView& list);

}  // namespace tolvane

#pragma once

namespace tolvane {

// Throws std::out_of_range naming `index` unless it is -1 (no selection) or
// an entry of a control holding `count` entries.
void CheckSelectionIndex(int index, int count);

}  // namespace tolvane

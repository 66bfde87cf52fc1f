#include "selection_index.h"

#include <stdexcept>
#include <string>

namespace tolvane {

void CheckSelectionIndex(int index, int count) {
    if (index < -1 || index >= count)
        throw std::out_of_range("selection index " + std::to_string(index) + " is outside -1.." +
                                std::to_string(count - 1));
}

}  // namespace tolvane

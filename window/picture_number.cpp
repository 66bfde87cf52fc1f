#include "picture_number.h"

#include <climits>
#include <cmath>
#include <stdexcept>

namespace tolvane {

PictureId PictureIdFromText(const QString& text) {
    bool isNumber = false;
    const double whole = std::floor(text.toDouble(&isNumber));
    if (!isNumber || whole < INT_MIN || whole > INT_MAX)
        throw std::out_of_range("selector entry \"" + text.toStdString() +
                                "\" does not spell a picture number");
    return static_cast<PictureId>(whole);
}

}  // namespace tolvane

#pragma once

#include <QString>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// The picture id a selector entry spells: the text read as a decimal number,
// its integer part taken toward minus infinity. Throws std::out_of_range
// naming the text if it spells no number or one beyond the range of an int.
PictureId PictureIdFromText(const QString& text);

}  // namespace tolvane

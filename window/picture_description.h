#pragma once

#include <QString>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// How the window names a picture it shows, for a screen reader, a tooltip
// or a file: a face by its card's name as the deck list reads it ("A of
// Clubs"), any other picture by its number and subject ("54: sky with
// clouds"), as the selectors number it.
inline QString PictureDescription(PictureId id) {
    if (id < kFirstBack)
        return PictureSubject(id);
    return QStringLiteral("%1: %2").arg(id).arg(PictureSubject(id));
}

}  // namespace tolvane

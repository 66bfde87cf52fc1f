#pragma once

#include <QImage>

namespace tolvane {

// The seven small pictures, numbered 0..6: the checked card and its variant
// with a red blob, the sleeping blob, the smile and the cheeky face, and the
// control strip with its green or its yellow lamp lit.
inline constexpr int kSmallPictureCount = 7;

// Small picture `index` (0..6, checked by the caller) at `ratio` device
// pixels to a picture pixel (1..12). At 1 it is the pixel art as drawn; above
// it the same picture is drawn from shapes that follow the pixel art.
QImage DrawSmallPicture(int index, double ratio);

}  // namespace tolvane

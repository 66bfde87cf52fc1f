#pragma once

#include <QImage>
#include <QSize>

namespace tolvane {

// The further pictures 66..74, in the 16-colour palette: two green
// place-holder cards (71 x 96) and five small pictures, three of them with a
// variant. Both throw std::out_of_range naming `id` outside 66..74.
QSize ExtraSize(int id);
QImage DrawExtra(int id);

}  // namespace tolvane

#pragma once

#include <QImage>
#include <QSize>

namespace tolvane {

// The further pictures 66..74, in the 16-colour palette.
QSize ExtraSize(int id);
QImage DrawExtra(int id);

}  // namespace tolvane

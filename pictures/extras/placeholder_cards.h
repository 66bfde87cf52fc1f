#pragma once

#include <QImage>

namespace tolvane {

// The two card-size place-holders, green cards that stand where no card is:
// one marked with a red X, one with a ring.
QImage DrawCrossPlaceholder();
QImage DrawRingPlaceholder();

}  // namespace tolvane

#pragma once

#include <QImage>

namespace tolvane {

// The two card-size place-holders, green cards that stand where no card is:
// one marked with a red X, one with a ring. Drawn at `ratio` device pixels to
// a picture pixel (1..12).
QImage DrawCrossPlaceholder(double ratio);
QImage DrawRingPlaceholder(double ratio);

}  // namespace tolvane

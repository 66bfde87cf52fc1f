#include "court_figures.h"

namespace tolvane {

void DrawCourtFigures(QImage&, int, Suit) {}

}  // namespace tolvane

#pragma once

#include <QPalette>
#include <QStringList>

namespace tolvane {

// Palettes a desktop might hand the window, for looking at it and testing it
// under them: "dark", "contrast" (black on white) and "contrast-dark" (white
// on black). Each pairs every enabled text role with its background at a
// contrast of 4.5:1 or more, so any text the window shows at less came from
// a colour that is not the palette's.
QStringList SamplePaletteNames();
// Throws std::invalid_argument naming `name` when it is none of them.
QPalette SamplePalette(const QString& name);

// For the developer tools: takes "--palette NAME" out of a command line's
// `arguments` and makes that sample palette the application's. Throws
// std::invalid_argument for an unknown NAME or none.
void TakePaletteOption(QStringList& arguments);

}  // namespace tolvane

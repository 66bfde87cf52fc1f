#pragma once

#include <QIcon>
#include <QImage>

#include <array>

// The icon layer: the program icon's images, for the desktop and the window.
namespace tolvane {

// The program's icon: a card back fanned out behind a card face that shows
// a suit. It comes as three images; outside the two cards every pixel is
// transparent.
enum class IconImage {
    TwoColour32,  // 32 x 32, black and white, with a black spade
    Colour32,  // 32 x 32, 16-colour palette, with a red heart
    Colour16,  // 16 x 16, 16-colour palette, with a red heart
};

inline constexpr std::array<IconImage, 3> kIconImages{IconImage::TwoColour32, IconImage::Colour32,
                                                      IconImage::Colour16};

QImage DrawProgramIcon(IconImage image);

// All three images in one icon; where two share a size the 16-colour one
// is shown. Needs a running QGuiApplication.
QIcon ProgramIcon();

}  // namespace tolvane

#pragma once

#include <QIcon>
#include <QImage>
#include <QPainter>

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

// The edges, in pixels, of the icon's images for a desktop's icon theme and
// the window. 16 and 32 are the 16-colour pixel images; the larger ones,
// and 24, are drawn from shapes at their own size.
inline constexpr std::array<int, 7> kThemeIconEdges{16, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<int, 2> kPixelIconEdges{16, 32};

// The icon's image `edge` pixels square, for each edge in kThemeIconEdges;
// throws std::out_of_range naming any other edge.
QImage DrawThemeIcon(int edge);

// The icon drawn from shapes into the square (0, 0, edge, edge) of
// `painter`'s device: an image, or a scalable drawing such as an SVG file.
// Whole numbers of units land on whole pixels, so the edges stay sharp.
void PaintShapedIcon(QPainter& painter, int edge);

// The theme images in one icon, for the window, each drawn only when a size
// that needs it is first asked for. The two-colour image has the size of a
// 16-colour one, and a QIcon gives one image per size, so it is left out
// here; the .ico file made at build time carries all three. Asking it for an
// image needs a running QGuiApplication.
QIcon ProgramIcon();

}  // namespace tolvane

#pragma once

#include <QColor>
#include <QRgb>

namespace tolvane::palette {

// The fixed 16-colour palette every 4-bit picture draws from, and the two
// inks of the 1-bit pictures (black or red on white).
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Maroon = 0xff800000;
inline constexpr QRgb Green = 0xff008000;
inline constexpr QRgb Olive = 0xff808000;
inline constexpr QRgb Navy = 0xff000080;
inline constexpr QRgb Purple = 0xff800080;
inline constexpr QRgb Teal = 0xff008080;
inline constexpr QRgb Silver = 0xffc0c0c0;
inline constexpr QRgb Grey = 0xff808080;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Lime = 0xff00ff00;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Fuchsia = 0xffff00ff;
inline constexpr QRgb Aqua = 0xff00ffff;
inline constexpr QRgb White = 0xffffffff;

// Magenta marks the three pixels at each corner of the full-colour backs.
inline constexpr QRgb CornerMagenta = Fuchsia;

}  // namespace tolvane::palette

#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <string_view>

class QPaintDevice;

namespace tolvane {

// The window's fixed layout, in twips (1/1440 inch). At 96 dots per inch
// 15 twips make one pixel, so every value is a whole number of pixels there.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlPlace {
    const char* control;  // the control's objectName
    TwipRect twips;
};

// Client area 4845 x 6375 twips: 323 x 425 pixels at 96 dpi.
inline constexpr TwipRect kClientArea{0, 0, 4845, 6375};

// The deck list fills the left column with Shuffle below it; the right
// column holds the card face, then the back design and the all-pictures
// picture, each with its selector just under it.
inline constexpr std::array<ControlPlace, 7> kControlPlaces{{
    {"lstDeck", {120, 150, 3405, 5520}},
    {"cmdShuffle", {2100, 5790, 1395, 495}},
    {"comAll", {3630, 5280, 1065, 315}},
    {"comBack", {3630, 3300, 1065, 315}},
    {"imgCard", {3630, 210, 1065, 1425}},
    {"imgBack", {3630, 1830, 1065, 1425}},
    {"imgAll", {3630, 3810, 1065, 1425}},
}};

// The place of the control named `control`. Throws std::out_of_range naming
// it if the layout has no such control.
const TwipRect& PlaceOf(std::string_view control);

// The layout is made for text lines up to 210 twips tall: 14 pixels at
// 96 dpi, as the default 9-point sans-serif font sets them.
inline constexpr int kLineHeightTwips = 210;

// How much the whole layout must grow for text lines `lineHeight` pixels
// tall on `device`: 1 up to kLineHeightTwips, in proportion above it.
double TextScale(double lineHeight, const QPaintDevice& device);

// Grows every length by `scale`, then converts through the logical dots per
// inch of `device`, to the nearest pixel.
QRect TwipsToPixels(const TwipRect& twips, const QPaintDevice& device, double scale = 1.0);

}  // namespace tolvane

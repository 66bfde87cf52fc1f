#include "extras.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "placeholder_cards.h"
#include "raster/pixel_map.h"
#include "raster/density.h"

namespace tolvane {

namespace {

constexpr int kCrossPlaceholder = 0;
constexpr int kRingPlaceholder = 1;
constexpr int kFirstSmallPicture = kRingPlaceholder + 1;

// A yellow card with red-and-white checks lying over a white card that
// carries a little red heart.
constexpr std::string_view kCheckedCard[] = {
    ".kkkkkkkkkkkkkkkkkkkk...........",
    "kyyyyyyyyyyyyyyyyyyyyk..........",
    "kyyyyyyyyyyyyyyyyyyyyk..........",
    "kyyrr..rr..rr..rr..yyk..........",
    "kyyrr..rr..rr..rr..yyk..........",
    "kyy..rr..rr..rr..rryykkkkkkkkkk.",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyyyyyyyyyyyyyyyyyyyk.........k",
    "kyyyyyyyyyyyyyyyyyyyyk.........k",
    ".kkkkkkkkkkkkkkkkkkkk..........k",
    ".........k...............rr.rr.k",
    ".........k...............rrrrr.k",
    ".........k................rrr..k",
    ".........k.................r...k",
    ".........k.....................k",
    "..........kkkkkkkkkkkkkkkkkkkkk."};

constexpr std::string_view kRedBlob[] = {
    " rr  r",
    "rrrr  ",
    "rrrrrr",
    " rrrr ",
    "rrrrr ",
    "  r  r"};

// A blue blob asleep, with its Z's drifting off to the right.
constexpr std::string_view kSleeper[] = {
    "......................nnnn",
    "........................n.",
    ".......................n..",
    ".....nnnnnnnn.........nnnn",
    "...nnbaabbbbbnn...........",
    "..nbaabbbbbbbbbn...nnn....",
    ".nbbbbbbbbbbbbbbn...n.....",
    ".nbbnbbnbbnbbnbbn..n......",
    "nbbbbnnbbbbnnbbbbn.nnn....",
    "nbbfbbbbbbbbbbfbbn........",
    "nbbbbbbbnnbbbbbbbn........",
    ".nnnnnnnnnnnnnnnn........."};

constexpr std::string_view kSmile[] = {
    "....kkkkkk....",
    "..kkyyyyyykk..",
    ".kyyyyyyyyyyk.",
    ".kyykyyyykyyk.",
    "kyyykyyyykyyyk",
    "kyyyyyyyyyyyyk",
    "kyykyyyyyykyyk",
    "kyyykyyyykyyyk",
    ".kyyykkkkyyyk.",
    ".kyyyyyyyyyyk.",
    "..kkyyyyyykk..",
    "....kkkkkk...."};

// A wink and the tongue out, over the smile.
constexpr std::string_view kCheekyFace[] = {
    "     ",
    "  kyk",
    "     ",
    "     ",
    "     ",
    "     ",
    "krrk ",
    "krrk ",
    " rr  "};

// A red strip with a dial, a vent, and a green and a yellow lamp, both dark.
constexpr std::string_view kControlStrip[] = {
    ".mmmmmmmmmmmmmmmmmmmmmm.",
    "mrrsssrrrrrrrrrrrrrrrrrm",
    "mrs...srmrmrrgggrrooorrm",
    "mrs.k.srmrmrrgggrrooorrm",
    "mrs...srmrmrrgggrrooorrm",
    "mrrsssrrrrrrrrrrrrrrrrrm",
    ".mmmmmmmmmmmmmmmmmmmmmm."};

// The needle turned left and the green lamp lit...
constexpr std::string_view kGreenLampOn[] = {
    "k         .ll",
    "          lll",
    "          lll"};

// ...or the needle turned right and the yellow lamp lit.
constexpr std::string_view kYellowLampOn[] = {
    "k            .yy",
    "             yyy",
    "             yyy"};

// A small picture: a pixel map, and for a variant a patch painted over it.
struct SmallPicture {
    PixelMap base;
    PixelMap patch;
    QPoint patchAt;
};

// The small pictures in order, from kFirstSmallPicture on.
constexpr std::array<SmallPicture, 7> kSmallPictures = {{
    {kCheckedCard, {}, {}},
    {kCheckedCard, kRedBlob, {23, 6}},
    {kSleeper, {}, {}},
    {kSmile, {}, {}},
    {kSmile, kCheekyFace, {6, 3}},
    {kControlStrip, kGreenLampOn, {3, 2}},
    {kControlStrip, kYellowLampOn, {5, 2}}}};
static_assert(kFirstSmallPicture + kSmallPictures.size() == kExtraCount);

}  // namespace

QImage DrawExtra(int extra, double ratio) {
    if (ratio != 1.0)
        return EnlargedStandIn(DrawExtra(extra), ratio);
    if (extra < 0 || extra >= kExtraCount)
        throw std::out_of_range("extra picture " + std::to_string(extra) + " is outside 0.." +
                                std::to_string(kExtraCount - 1));
    if (extra == kCrossPlaceholder)
        return DrawCrossPlaceholder();
    if (extra == kRingPlaceholder)
        return DrawRingPlaceholder();
    const SmallPicture& picture = kSmallPictures[extra - kFirstSmallPicture];
    QImage image = PixelMapImage(picture.base);
    PaintPixelMap(image, picture.patchAt, picture.patch);
    return image;
}

}  // namespace tolvane

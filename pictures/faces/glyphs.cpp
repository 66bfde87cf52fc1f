#include "glyphs.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "deck/card.h"
#include "raster/pixel_map.h"

namespace tolvane {

namespace {

// One glyph: a pixel map of kRankTextHeight rows, '#' for ink.
using Glyph = std::array<std::string_view, kRankTextHeight>;

constexpr Glyph kAce = {"  #  ", " # # ", "#   #", "#   #", "#####", "#   #", "#   #"};
constexpr Glyph kOne = {" # ", "## ", " # ", " # ", " # ", " # ", "###"};
constexpr Glyph kTwo = {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"};
constexpr Glyph kThree = {" ### ", "#   #", "    #", "  ## ", "    #", "#   #", " ### "};
constexpr Glyph kFour = {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "};
constexpr Glyph kFive = {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "};
constexpr Glyph kSix = {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "};
constexpr Glyph kSeven = {"#####", "    #", "   # ", "  #  ", "  #  ", " #   ", " #   "};
constexpr Glyph kEight = {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "};
constexpr Glyph kNine = {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "};
constexpr Glyph kZero = {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "};
constexpr Glyph kJack = {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "};
constexpr Glyph kQueen = {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"};
constexpr Glyph kKing = {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"};

// Between the two digits of "10".
constexpr int kLetterSpacing = 1;

std::vector<Glyph> GlyphsOfRank(int rank) {
    switch (rank) {
    case Ace: return {kAce};
    case 2: return {kTwo};
    case 3: return {kThree};
    case 4: return {kFour};
    case 5: return {kFive};
    case 6: return {kSix};
    case 7: return {kSeven};
    case 8: return {kEight};
    case 9: return {kNine};
    case 10: return {kOne, kZero};
    case Jack: return {kJack};
    case Queen: return {kQueen};
    case King: return {kKing};
    }
    throw std::out_of_range("rank " + std::to_string(rank) + " is outside 1..13");
}

int GlyphWidth(const Glyph& glyph) {
    return static_cast<int>(glyph.front().size());
}

int TextWidth(const std::vector<Glyph>& glyphs) {
    int width = -kLetterSpacing;
    for (const Glyph& glyph : glyphs)
        width += GlyphWidth(glyph) + kLetterSpacing;
    return width;
}

}  // namespace

int RankTextWidth(int rank) {
    return TextWidth(GlyphsOfRank(rank));
}

QImage RankText(int rank, QRgb colour) {
    const std::vector<Glyph> glyphs = GlyphsOfRank(rank);
    QImage text(TextWidth(glyphs), kRankTextHeight, QImage::Format_ARGB32);
    text.fill(Qt::transparent);
    int left = 0;
    for (const Glyph& glyph : glyphs) {
        PaintPixelMap(text, QPoint(left, 0), glyph, colour);
        left += GlyphWidth(glyph) + kLetterSpacing;
    }
    return text;
}

}  // namespace tolvane

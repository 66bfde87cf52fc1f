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

bool IsInk(const Glyph& glyph, int column, int row) {
    return row >= 0 && row < kRankTextHeight && column >= 0 && column < GlyphWidth(glyph) &&
           glyph[row][column] != ' ';
}

// A diagonal step joins two pixels only where no pixel beside both already
// turns the corner, so an L keeps its square corner.
void AddGlyphStrokes(const Glyph& glyph, int left, std::vector<QLine>& strokes) {
    constexpr QPoint kForward[] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    for (int row = 0; row < kRankTextHeight; ++row)
        for (int column = 0; column < GlyphWidth(glyph); ++column) {
            if (!IsInk(glyph, column, row))
                continue;
            bool joined = false;
            for (QPoint step : kForward) {
                const int toColumn = column + step.x(), toRow = row + step.y();
                const bool diagonal = step.x() != 0 && step.y() != 0;
                if (!IsInk(glyph, toColumn, toRow) ||
                    (diagonal && (IsInk(glyph, toColumn, row) || IsInk(glyph, column, toRow))))
                    continue;
                strokes.emplace_back(left + column, row, left + toColumn, toRow);
                joined = true;
            }
            const bool joinedBefore = IsInk(glyph, column - 1, row) || IsInk(glyph, column, row - 1) ||
                                      IsInk(glyph, column - 1, row - 1) || IsInk(glyph, column + 1, row - 1);
            if (!joined && !joinedBefore)
                strokes.emplace_back(left + column, row, left + column, row);
        }
}

}  // namespace

std::vector<QLine> RankStrokes(int rank) {
    std::vector<QLine> strokes;
    int left = 0;
    for (const Glyph& glyph : GlyphsOfRank(rank)) {
        AddGlyphStrokes(glyph, left, strokes);
        left += GlyphWidth(glyph) + kLetterSpacing;
    }
    return strokes;
}

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

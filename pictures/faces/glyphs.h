#pragma once

#include <QImage>
#include <QLine>
#include <QRgb>

#include <vector>

namespace tolvane {

// The rank text of a corner index ("A", "2".."10", "J", "Q", "K") drawn from
// the program's own bitmap glyphs, so it is the same on every machine.
// Opaque `colour` on a transparent background, kRankTextHeight rows tall;
// "10" is the widest at kRankTextMaxWidth columns.
inline constexpr int kRankTextHeight = 7;
inline constexpr int kRankTextMaxWidth = 9;

// Throws std::out_of_range naming `rank` unless it lies in 1..13.
QImage RankText(int rank, QRgb colour);

// The width of RankText(rank, ...) in pixels.
int RankTextWidth(int rank);

// The same text as strokes for drawing it at a higher density: lines joining
// the centres of neighbouring ink pixels of the glyphs, each end a pixel
// (column, row) of the text. Drawn with a square nib one pixel wide they keep
// the glyphs' look, their diagonals smooth instead of stepped. A lone pixel
// is a line of no length.
// Throws std::out_of_range naming `rank` unless it lies in 1..13.
std::vector<QLine> RankStrokes(int rank);

}  // namespace tolvane

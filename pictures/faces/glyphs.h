#pragma once

#include <QImage>
#include <QRgb>

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

}  // namespace tolvane

#pragma once

#include <QPainter>
#include <QRgb>
#include <QTransform>

namespace tolvane {

// The rank text of a corner index ("A", "2".."10", "J", "Q", "K") as drawn
// letters, for a card at a density where the pixel glyphs of RankText would
// look like stairs: the bold, even-stroked figures of a printed card's index,
// with round bowls, in the same box and columns as the pixel glyphs and one
// card pixel thick. The letters are written here as pen strokes, so they are
// the same on every machine.
//
// Paints the letters in `ink` with `painter`. Their strokes are laid out on
// the pixel centres of RankText(rank), (0, 0) the middle of its top-left
// pixel, mapped through `textToDevice` and drawn `weight` device pixels wide.
// Throws std::out_of_range naming `rank` unless it lies in 1..13.
void PaintRankLetters(QPainter& painter, int rank, const QTransform& textToDevice, double weight, QRgb ink);

}  // namespace tolvane

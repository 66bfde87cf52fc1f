#pragma once

#include <QPainter>
#include <QRgb>

#include <vector>

namespace tolvane {

// The rank text of a corner index ("A", "2".."10", "J", "Q", "K") as drawn
// letters, for a card at a density where the pixel glyphs of RankText would
// look like stairs: the bold, even-stroked figures of a printed card's index,
// with round bowls, in the same box and columns as the pixel glyphs and one
// card pixel thick. The letters are written here as pen strokes, so they are
// the same on every machine.

// Where the pixels of RankText(rank) fall on the device: the middle of each
// of its columns and rows, and the stroke width, all in device pixels. The
// letters are stretched between the middles, so their stems and bars lie on
// the same device pixels as the pixel glyphs' lines would.
struct RankTextOnDevice {
    std::vector<double> columnMiddles;
    std::vector<double> rowMiddles;
    double weight;
};

// Paints the letters of `rank` in `ink` with `painter`.
// Throws std::out_of_range naming `rank` unless it lies in 1..13, and
// std::invalid_argument unless `text` has a middle for each column and row.
void PaintRankLetters(QPainter& painter, int rank, const RankTextOnDevice& text, QRgb ink);

}  // namespace tolvane

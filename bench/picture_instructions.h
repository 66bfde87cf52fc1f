#pragma once

#include <map>
#include <string>
#include <vector>

// All 74 pictures drawn for one density and counted in instructions by
// callgrind: the first drawing in a fresh process (cold), and all of them
// drawn again in that process (warm).
struct PictureInstructions {
    double coldMega = 0;
    double warmMega = 0;
};

// By density.
using PictureInstructionTable = std::map<double, PictureInstructions>;

// Counts `picturesCold` (the bench's pictures_cold program) at each of
// `ratios`, which must include 1, the density the others are measured by.
PictureInstructionTable CountPictureInstructions(const std::string& picturesCold, const std::vector<double>& ratios);

// Prints the table, each density against 1, with the goals it has.
void PrintPictureInstructions(const PictureInstructionTable& table);

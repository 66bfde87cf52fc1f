#pragma once

#include <string>
#include <vector>

#include "child_process.h"

// The instructions, in millions, that one run executes, as callgrind counts
// them in the process itself (not in any it forks). The count hardly moves
// on a busy machine, so a regression smaller than the noise of the wall
// times still shows. `options` go to callgrind before the program, such as
// --toggle-collect=PATTERN to count only within the functions it names.
// Throws std::runtime_error if the run fails or leaves no count.
double MegaInstructions(const ProcessRun& run, const std::vector<std::string>& options = {});

#pragma once

#include <string>
#include <vector>

#include "child_process.h"

// One run under callgrind, which counts the instructions the process itself
// executes (not any it forks). The count hardly moves on a busy machine, so
// a regression smaller than the noise of the wall times still shows.
// `options` go to callgrind before the program, such as
// --toggle-collect=PATTERN to count only within the functions it names.
// The text of the profile callgrind wrote, or with `dump` (".2") of the one
// of that number that a program dumping its own parts wrote. Throws
// std::runtime_error if the run fails or leaves no such profile.
std::string CallgrindProfile(const ProcessRun& run, const std::vector<std::string>& options = {},
                             const std::string& dump = "");

// The instructions, in millions, a profile counts in all. Throws
// std::runtime_error if it holds no count.
double TotalMegaInstructions(const std::string& profile);

// The instructions, in millions, that one run executes.
double MegaInstructions(const ProcessRun& run, const std::vector<std::string>& options = {});

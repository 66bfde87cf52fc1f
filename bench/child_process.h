#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// One run of a program: what to start, and the variables added to ours.
struct ProcessRun {
    std::vector<std::string> command;  // the program, looked up in PATH unless a path, then its arguments
    std::vector<std::string> environment;
};

// What one whole run of a program cost, as the kernel counted it.
struct ProcessCost {
    double wallMilliseconds = 0;
    double peakResidentMiB = 0;
    pid_t processId = 0;  // so files the run named after itself can be found
};

// Runs the program to its end, keeping what it writes to standard error.
// Throws std::runtime_error if it cannot start or does not exit with status
// 0, with what it wrote there.
ProcessCost RunToEnd(const ProcessRun& run);

#pragma once

#include <string>
#include <vector>

// What one whole run of a program cost, as the kernel counted it.
struct ProcessCost {
    double wallMilliseconds = 0;
    double peakResidentMiB = 0;
};

// Runs `program` to its end with `environment` added to ours. Throws
// std::runtime_error if it cannot start or does not exit with status 0.
ProcessCost RunToEnd(const std::string& program, const std::vector<std::string>& environment);

#include "callgrind_count.h"

#include <QTemporaryDir>

#include <fstream>
#include <stdexcept>
#include <string_view>

double MegaInstructions(const ProcessRun& run, const std::vector<std::string>& options) {
    const QTemporaryDir folder;
    const std::string profiles = folder.path().toStdString() + "/callgrind.";
    std::vector<std::string> command = {"valgrind", "-q", "--tool=callgrind", "--callgrind-out-file=" + profiles + "%p"};
    command.insert(command.end(), options.begin(), options.end());
    command.insert(command.end(), run.command.begin(), run.command.end());
    const ProcessCost counted = RunToEnd({command, run.environment});
    std::ifstream profile(profiles + std::to_string(counted.processId));
    constexpr std::string_view kTotals = "totals: ";
    for (std::string line; std::getline(profile, line);)
        if (line.rfind(kTotals, 0) == 0)
            return std::stod(line.substr(kTotals.size())) / 1e6;
    throw std::runtime_error("callgrind left no count for " + run.command.front());
}

#include "callgrind_count.h"

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string_view>

std::string CallgrindProfile(const ProcessRun& run, const std::vector<std::string>& options, const std::string& dump) {
    const QTemporaryDir folder;
    const std::string profiles = folder.path().toStdString() + "/callgrind.";
    std::vector<std::string> command = {"valgrind", "-q", "--tool=callgrind", "--callgrind-out-file=" + profiles + "%p"};
    command.insert(command.end(), options.begin(), options.end());
    command.insert(command.end(), run.command.begin(), run.command.end());
    const ProcessCost counted = RunToEnd({command, run.environment});
    const std::string path = profiles + std::to_string(counted.processId) + dump;
    std::ifstream profile(path);
    if (!profile)
        throw std::runtime_error("callgrind left no profile " + path + " for " + run.command.front());
    return std::string(std::istreambuf_iterator<char>(profile), {});
}

double TotalMegaInstructions(const std::string& profile) {
    constexpr std::string_view kTotals = "totals: ";
    std::istringstream lines(profile);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(kTotals, 0) == 0)
            return std::stod(line.substr(kTotals.size())) / 1e6;
    throw std::runtime_error("the profile holds no count");
}

double MegaInstructions(const ProcessRun& run, const std::vector<std::string>& options) {
    return TotalMegaInstructions(CallgrindProfile(run, options));
}

#include "child_process.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& added) {
    std::vector<std::string> merged = added;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('=') + 1);
        bool overridden = false;
        for (const auto& extra : added)
            overridden = overridden || extra.rfind(name, 0) == 0;
        if (!overridden)
            merged.push_back(variable);
    }
    return merged;
}

}  // namespace

ProcessCost RunToEnd(const std::string& program, const std::vector<std::string>& environment) {
    std::vector<std::string> variables = MergedEnvironment(environment);
    std::vector<char*> envp;
    for (auto& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()))
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(error));
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not exit cleanly");

    ProcessCost cost;
    cost.wallMilliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    cost.peakResidentMiB = usage.ru_maxrss / 1024.0;
    return cost;
}

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

ProcessCost RunToEnd(const ProcessRun& run) {
    if (run.command.empty())
        throw std::invalid_argument("no program to run");
    std::vector<std::string> variables = MergedEnvironment(run.environment);
    std::vector<char*> envp;
    for (auto& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<std::string> words = run.command;
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string& program = run.command.front();

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()))
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
    cost.processId = pid;
    return cost;
}

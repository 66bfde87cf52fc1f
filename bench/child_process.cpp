#include "child_process.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
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

// A file that takes what a child writes to standard error: Qt's warnings
// would otherwise fill the bench's table, yet a child that fails tells why.
class ErrorFile {
public:
    ErrorFile() : descriptor_(mkstemp(path_)) {
        if (descriptor_ < 0)
            throw std::runtime_error(std::string("cannot make a file for a child's errors: ") + std::strerror(errno));
    }
    ~ErrorFile() {
        close(descriptor_);
        unlink(path_);
    }
    ErrorFile(const ErrorFile&) = delete;
    ErrorFile& operator=(const ErrorFile&) = delete;

    int Descriptor() const { return descriptor_; }
    std::string Text() const {
        std::ifstream file(path_);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    char path_[32] = "/tmp/bench-errors-XXXXXX";
    int descriptor_;
};

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
    const ErrorFile errors;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors.Descriptor(), STDERR_FILENO);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(error));
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not exit cleanly:\n" + errors.Text());

    ProcessCost cost;
    cost.wallMilliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    cost.peakResidentMiB = usage.ru_maxrss / 1024.0;
    cost.processId = pid;
    return cost;
}

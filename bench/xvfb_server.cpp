#include "xvfb_server.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>

extern char** environ;

XvfbServer::XvfbServer() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    // Xvfb writes the display number it picked to the descriptor it is given.
    std::string fd = std::to_string(pipeEnds[1]);
    std::string program = "Xvfb";
    char displayfd[] = "-displayfd", screen[] = "-screen", zero[] = "0", depth[] = "1280x1024x24",
         nolisten[] = "-nolisten", tcp[] = "tcp";
    char* argv[] = {program.data(), displayfd, fd.data(), screen, zero, depth, nolisten, tcp, nullptr};
    if (posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, argv, environ) != 0)
        pid_ = 0;
    close(pipeEnds[1]);
    char number[16] = {};
    if (pid_ && read(pipeEnds[0], number, sizeof number - 1) > 0) {
        // Appended, not `":" + text`: GCC 12 flags that insert at the front
        // with a false -Wrestrict when it optimises.
        const std::string_view text(number);
        display_ = ':';
        display_ += text.substr(0, text.find('\n'));
    }
    close(pipeEnds[0]);
}

XvfbServer::~XvfbServer() {
    if (pid_) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

#pragma once

#include <string>
#include <sys/types.h>

// A private X server for the length of the benchmark, so start-up can also
// be timed against a real X11 connection. display() is empty when Xvfb is
// not installed.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

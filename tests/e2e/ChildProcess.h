#pragma once

// Programs that an end-to-end test starts: the program under test, the X
// server and the one-shot xdotool calls that drive its window.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace lumbrant::e2e {

struct Launch {
    std::vector<std::string> Arguments;             // [0]: a path, or a name looked up in PATH
    std::map<std::string, std::string> Environment; // set on top of the test's own
    std::string WorkingFolder;                      // empty: the test's own
    std::string OutputFile;                         // stdout and stderr; empty: /dev/null
    int HandOverFd = -1;                            // given to the child as its fd 3
};

// A started program; stopped (TERM, then KILL) when the object goes.
class ChildProcess {
public:
    explicit ChildProcess(const Launch& launch); // throws std::runtime_error when it cannot start
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();
    // The exit status (128 + the signal for a killed program), or nothing
    // when the program still runs after the limit.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);
    void Stop();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

struct Captured {
    int Status = -1; // -1: did not end within the limit (then killed)
    std::string Output;
};

// Runs a program to its end and answers its standard output.
Captured RunAndCapture(const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment,
                       std::chrono::milliseconds limit);

// True when name is an executable file in one of PATH's folders.
bool InPath(const std::string& name);

} // namespace lumbrant::e2e

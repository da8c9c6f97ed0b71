#pragma once

// A private X server (Xvfb) for one test, on a display number that the
// server picks itself among the free ones.

#include "e2e/ChildProcess.h"

#include <memory>
#include <string>

namespace lumbrant::e2e {

class XServer {
public:
    // Starts the server and waits until it accepts clients; throws
    // std::runtime_error when it does not. Its messages go to logFile.
    explicit XServer(const std::string& logFile);

    const std::string& Display() const { return display_; } // ":N"

private:
    std::unique_ptr<ChildProcess> process_;
    std::string display_;
};

} // namespace lumbrant::e2e

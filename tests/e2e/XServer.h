#pragma once

// A private X server (Xvfb) for one test, on a free display number, checked
// to accept clients before it is handed out.

#include "e2e/ChildProcess.h"

#include <memory>
#include <string>

namespace lumbrant::e2e {

class XServer {
public:
    // Starts the server and waits until it accepts clients, trying a few
    // display numbers; throws std::runtime_error when none works. Its
    // messages go to logFile.
    explicit XServer(const std::string& logFile);

    const std::string& Display() const { return display_; } // ":N"

private:
    std::unique_ptr<ChildProcess> process_;
    std::string display_;
};

} // namespace lumbrant::e2e

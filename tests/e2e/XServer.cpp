#include "e2e/XServer.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace lumbrant::e2e {

namespace {

// Display numbers are drawn at random from a wide range, so that a server
// never takes the number of one that is just shutting down (its sockets may
// linger for a moment after its lock file is gone).
constexpr int kLowestDisplay = 200;
constexpr int kHighestDisplay = 4999;
constexpr int kAttempts = 8;

bool DisplayInUse(int number) {
    const std::string text = std::to_string(number);
    return std::filesystem::exists("/tmp/.X" + text + "-lock") ||
           std::filesystem::exists("/tmp/.X11-unix/X" + text);
}

// Reads what the server writes to its end of the pipe once it accepts
// clients: its display number and a line end.
bool WaitUntilReady(int reader, ChildProcess& server) {
    std::string written;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (written.find('\n') == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline || !server.Running()) {
            return false;
        }
        pollfd wait{reader, POLLIN, 0};
        if (poll(&wait, 1, 200) <= 0) {
            continue;
        }
        char buffer[32];
        const ssize_t got = read(reader, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        written.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace

XServer::XServer(const std::string& logFile) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pick(kLowestDisplay, kHighestDisplay);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int number = pick(random);
        if (DisplayInUse(number)) {
            continue;
        }
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        Launch launch;
        // -noreset: by default the server starts afresh whenever its last
        // client leaves, and refuses a client that connects meanwhile; the
        // short xdotool calls would make that happen at any moment.
        launch.Arguments = {"Xvfb",        ":" + std::to_string(number),
                            "-displayfd",  "3",
                            "-screen",     "0",
                            "1024x768x24", "-nolisten",
                            "tcp",         "-noreset"};
        launch.OutputFile = logFile;
        launch.HandOverFd = pipeEnds[1];
        std::unique_ptr<ChildProcess> server;
        try {
            server = std::make_unique<ChildProcess>(launch);
        } catch (...) {
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            throw;
        }
        close(pipeEnds[1]);
        const bool ready = WaitUntilReady(pipeEnds[0], *server);
        close(pipeEnds[0]);
        if (!ready) {
            continue; // the server is stopped as it goes
        }
        const std::string display = ":" + std::to_string(number);
        if (RunAndCapture({"xdotool", "getdisplaygeometry"}, {{"DISPLAY", display}},
                          std::chrono::seconds(20))
                .Status != 0) {
            continue;
        }
        process_ = std::move(server);
        display_ = display;
        return;
    }
    throw std::runtime_error("Xvfb did not start on a free display; see " + logFile);
}

} // namespace lumbrant::e2e

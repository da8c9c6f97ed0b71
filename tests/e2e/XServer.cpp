#include "e2e/XServer.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace lumbrant::e2e {

XServer::XServer(const std::string& logFile) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    Launch launch;
    // -displayfd: the server takes a free display and writes its number, once
    // it accepts clients, to the descriptor given.
    launch.Arguments = {"Xvfb", "-displayfd",  "3",         "-screen",
                        "0",    "1024x768x24", "-nolisten", "tcp"};
    launch.OutputFile = logFile;
    launch.HandOverFd = pipeEnds[1];
    try {
        process_ = std::make_unique<ChildProcess>(launch);
    } catch (...) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        throw;
    }
    close(pipeEnds[1]);

    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd reader{pipeEnds[0], POLLIN, 0};
        if (poll(&reader, 1, 200) <= 0) {
            continue;
        }
        char buffer[32];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        number.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    if (number.find('\n') == std::string::npos) {
        throw std::runtime_error("Xvfb did not start; see " + logFile);
    }
    display_ = ":" + number.substr(0, number.find('\n'));
}

} // namespace lumbrant::e2e

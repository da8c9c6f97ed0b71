#include "e2e/WindowDriver.h"

#include "e2e/ChildProcess.h"

#include <sstream>

namespace lumbrant::e2e {

namespace {

constexpr std::chrono::seconds kCallLimit{20};

} // namespace

std::vector<std::string> WindowDriver::VisibleWindows(pid_t pid, const std::string& name) const {
    std::vector<std::string> arguments = {"xdotool",       "search", "--all",
                                          "--onlyvisible", "--pid",  std::to_string(pid)};
    if (!name.empty()) {
        arguments.insert(arguments.end(), {"--name", name});
    }
    const Captured result = RunAndCapture(arguments, {{"DISPLAY", display_}}, kCallLimit);
    std::vector<std::string> windows;
    std::istringstream lines(result.Output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            windows.push_back(line);
        }
    }
    return windows;
}

bool WindowDriver::Click(const std::string& window, int x, int y) const {
    return Run(
        {"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"});
}

bool WindowDriver::Keys(const std::string& window, const std::vector<std::string>& keys) const {
    std::vector<std::string> arguments = {"windowfocus", "--sync", window, "key"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    return Run(arguments);
}

bool WindowDriver::Keys(const std::vector<std::string>& keys) const {
    std::vector<std::string> arguments = {"key"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    return Run(arguments);
}

bool WindowDriver::Run(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "xdotool");
    return RunAndCapture(arguments, {{"DISPLAY", display_}}, kCallLimit).Status == 0;
}

} // namespace lumbrant::e2e

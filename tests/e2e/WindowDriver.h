#pragma once

// Drives a program's windows on an X display from outside, the way a user
// would: real pointer clicks and key presses through xdotool.

#include <string>
#include <sys/types.h>
#include <vector>

namespace lumbrant::e2e {

class WindowDriver {
public:
    explicit WindowDriver(std::string display) : display_(std::move(display)) {}

    // The visible windows of the process whose name matches the regular
    // expression (an empty one matches every window), as xdotool's ids.
    std::vector<std::string> VisibleWindows(pid_t pid, const std::string& name = "") const;

    // Moves the pointer to (x, y) in the window's own coordinates and clicks.
    bool Click(const std::string& window, int x, int y) const;
    // Gives the window the keyboard focus and types the keys ("n", "Return").
    bool Keys(const std::string& window, const std::vector<std::string>& keys) const;
    // Types the keys into whichever window holds the keyboard (an open popup).
    bool Keys(const std::vector<std::string>& keys) const;

private:
    bool Run(std::vector<std::string> arguments) const;

    std::string display_;
};

} // namespace lumbrant::e2e

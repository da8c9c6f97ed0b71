#include "core/ShellOpen.h"

#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace lumbrant {

bool ShellOpen(const std::string& address) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    // Whatever a job opened without close-on-exec (the HTTP stack's own socket pair
    // among them) is closed in the child before the handler runs.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    // The browser lives on in a session of its own when the program ends.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    std::string program = "xdg-open";
    std::string argument = address;
    std::vector<char*> arguments{program.data(), argument.data(), nullptr};
    pid_t child = -1;
    const int error =
        ::posix_spawnp(&child, program.c_str(), &actions, &attributes, arguments.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        return false;
    }
    // xdg-open hands over to the browser and ends; nothing waits for it but this.
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return true;
}

} // namespace lumbrant

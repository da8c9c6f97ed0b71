#include "settings/ConfigFolder.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace lumbrant {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) {
        return home;
    }
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        home = found->pw_dir;
    }
    return home;
}

} // namespace

std::string DefaultConfigFolder() {
    // A relative $XDG_CONFIG_HOME is invalid and to be ignored.
    const std::string configured = Environment("XDG_CONFIG_HOME");
    if (!configured.empty() && configured.front() == '/') {
        return configured;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace lumbrant

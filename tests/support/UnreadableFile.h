#pragma once

// Runs a piece of a test while a file cannot be read although its folder can
// be written. File permissions do not bind the superuser, so as root (as in
// CI) the piece runs in a forked child that has dropped to an unprivileged
// user, to whom the folder tree is handed first.

#include "support/ForkedChild.h"

#include <filesystem>
#include <grp.h>

namespace lumbrant::testing {

inline constexpr uid_t kUnprivilegedUser = 65534;

// Takes every permission on file away, runs body and answers what it
// answers (0 to 252; as root also 253 when the user could not be changed and
// see RunInForkedChild). root is a folder that holds file and everything
// body touches.
inline int RunWhileUnreadable(const std::filesystem::path& root, const std::filesystem::path& file,
                              const std::function<int()>& body) {
    namespace fs = std::filesystem;
    if (::geteuid() != 0) {
        fs::permissions(file, fs::perms::none);
        const int answer = body();
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        return answer;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        ::lchown(entry.path().c_str(), kUnprivilegedUser, kUnprivilegedUser);
    }
    ::lchown(root.c_str(), kUnprivilegedUser, kUnprivilegedUser);
    fs::permissions(file, fs::perms::none);
    return RunInForkedChild([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedUser) != 0 ||
            ::setuid(kUnprivilegedUser) != 0) {
            return 253;
        }
        return body();
    });
}

} // namespace lumbrant::testing

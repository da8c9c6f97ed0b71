#include "support/ForkedChild.h"
#include "support/UnreadableFile.h"

#include <grp.h>
#include <unistd.h>

namespace lumbrant::testing {

namespace {

constexpr uid_t kUnprivilegedUser = 65534;

} // namespace

int RunWhileUnreadable(const std::filesystem::path& root, const std::filesystem::path& file,
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

bool ReadOnlyFoldersBind() {
    return ::geteuid() != 0;
}

} // namespace lumbrant::testing

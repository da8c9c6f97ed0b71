#include "support/PrivateMounts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <unistd.h>

namespace lumbrant::e2e {

namespace {

bool allowed = false;
std::string refusal = "the private mount namespace was not set up";

bool WriteProcFile(const char* path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

// An unprivileged user may still get a mount namespace inside a user
// namespace of its own, as root of that namespace.
bool EnterUserNamespace(std::string& why) {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        why = std::string("unshare(CLONE_NEWUSER | CLONE_NEWNS): ") + std::strerror(errno);
        return false;
    }
    if (!WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
        why = "cannot map the user into its own user namespace";
        return false;
    }
    return true;
}

} // namespace

void EnterPrivateMountNamespace() {
    if (unshare(CLONE_NEWNS) != 0) {
        const std::string direct = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
        std::string why;
        if (!EnterUserNamespace(why)) {
            refusal = direct + (why.empty() ? "" : "; " + why);
            return;
        }
    }
    // Mounts made from here on must not travel back to the machine's namespace.
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        refusal = std::string("making the mounts private failed: ") + std::strerror(errno);
        return;
    }
    allowed = true;
}

bool MountsAllowed(std::string& whyNot) {
    whyNot = allowed ? std::string() : refusal;
    return allowed;
}

TmpfsPlayer::TmpfsPlayer(std::string mountPoint) : root_(std::move(mountPoint)) {
    std::filesystem::create_directories(root_);
    if (mount("lumbrant-player", root_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
              "size=32m,mode=0755") != 0) {
        throw std::runtime_error("mounting a tmpfs at " + root_ +
                                 " failed: " + std::strerror(errno));
    }
    std::filesystem::create_directories(root_ + "/iPod_Control/iTunes");
    std::filesystem::create_directories(NotesFolder());
    // Real players spell the marker this way; the program ignores letter case.
    std::ofstream(root_ + "/iPod_Control/iTunes/iTunesDB");
}

TmpfsPlayer::~TmpfsPlayer() {
    umount2(root_.c_str(), MNT_DETACH);
}

} // namespace lumbrant::e2e

#include "core/Paths.h"
#include "device/PlayerNotesFolder.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lumbrant {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string Failed(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // The close of a written file reports late write errors; errno holds the one.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// Opens the folder name inside parent without following a link and only if
// it lies on device; shown names it in whyNot.
Descriptor OpenStep(int parent, const std::string& name, dev_t device, const std::string& shown,
                    std::string& whyNot) {
    Descriptor folder(::openat(parent, name.c_str(), kFolderFlags));
    if (!folder.Valid()) {
        const int error = errno;
        struct stat step {};
        const bool link = ::fstatat(parent, name.c_str(), &step, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(step.st_mode);
        whyNot = link ? shown + " is a symbolic link" : Failed(shown, error);
        return folder;
    }
    // openat crosses into a file system mounted on the step.
    struct stat opened {};
    if (::fstat(folder.Get(), &opened) != 0 || opened.st_dev != device) {
        whyNot = shown + " lies on another file system than the player";
        return Descriptor(-1);
    }
    return folder;
}

std::string CopyAll(int from, int to) {
    std::array<char, 64 * 1024> buffer;
    while (true) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got == 0) {
            return {};
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Failed("reading failed", errno);
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(to, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return Failed("writing failed", errno);
            }
            done += put;
        }
    }
}

class PosixNotesFolder : public PlayerNotesFolder {
public:
    explicit PosixNotesFolder(Descriptor folder) : folder_(std::move(folder)) {}

    void DeleteFiles() override {
        // The listing gets a descriptor of its own, which closedir closes.
        const int listingFolder = ::openat(folder_.Get(), ".", kFolderFlags);
        DIR* listing = listingFolder < 0 ? nullptr : ::fdopendir(listingFolder);
        if (listing == nullptr) {
            if (listingFolder >= 0) {
                ::close(listingFolder);
            }
            return;
        }
        while (const dirent* entry = ::readdir(listing)) {
            struct stat file {};
            if (::fstatat(folder_.Get(), entry->d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
                IsDeletable(file)) {
                ::unlinkat(folder_.Get(), entry->d_name, 0);
            }
        }
        ::closedir(listing);
    }

    std::string PutFile(const std::string& name, const std::string& sourcePath) override {
        const int folder = folder_.Get();
        struct stat existing {};
        if (::fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISLNK(existing.st_mode)) {
                return "a symbolic link of that name is in the way";
            }
            if (S_ISDIR(existing.st_mode)) {
                return "a folder of that name is in the way";
            }
            if ((existing.st_mode & S_IWUSR) == 0) {
                return "the file there is read-only";
            }
        }
        Descriptor source(::open(sourcePath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (!source.Valid()) {
            return Failed("cannot read " + sourcePath, errno);
        }
        Descriptor part(::openat(folder, kPartialCopyName,
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (!part.Valid()) {
            return Failed(std::string("cannot create ") + kPartialCopyName, errno);
        }
        std::string why = CopyAll(source.Get(), part.Get());
        if (why.empty() && ::fsync(part.Get()) != 0) {
            why = Failed("flushing failed", errno);
        }
        if (!part.Close() && why.empty()) {
            why = Failed("closing failed", errno);
        }
        if (why.empty() && ::renameat(folder, kPartialCopyName, folder, name.c_str()) != 0) {
            why = Failed("renaming failed", errno);
        }
        if (!why.empty()) {
            ::unlinkat(folder, kPartialCopyName, 0);
        }
        return why;
    }

private:
    static bool IsDeletable(const struct stat& file) {
        return !S_ISDIR(file.st_mode) && !S_ISLNK(file.st_mode) && (file.st_mode & S_IWUSR) != 0;
    }

    Descriptor folder_;
};

} // namespace

std::unique_ptr<PlayerNotesFolder> OpenPlayerNotesFolder(const std::string& root,
                                                         std::string& whyNot) {
    // An empty root opens nothing: it can never stand for the current folder.
    Descriptor player(::open(root.c_str(), kFolderFlags));
    struct stat rootStatus {};
    if (!player.Valid() || ::fstat(player.Get(), &rootStatus) != 0) {
        whyNot = Failed(root, errno);
        return nullptr;
    }
    const std::string notesPath = JoinPath(root, "Notes");
    const Descriptor notes = OpenStep(player.Get(), "Notes", rootStatus.st_dev, notesPath, whyNot);
    if (!notes.Valid()) {
        return nullptr;
    }
    Descriptor news =
        OpenStep(notes.Get(), "news", rootStatus.st_dev, JoinPath(notesPath, "news"), whyNot);
    if (!news.Valid()) {
        return nullptr;
    }
    return std::make_unique<PosixNotesFolder>(std::move(news));
}

} // namespace lumbrant

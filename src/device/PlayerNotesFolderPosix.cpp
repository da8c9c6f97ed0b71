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
#include <vector>

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

    std::vector<PlayerCopyFailure> PutFiles(const std::vector<PlayerFileCopy>& files) override {
        std::vector<PlayerCopyFailure> failures;
        struct Staged {
            const PlayerFileCopy* File;
            std::string Temporary;
        };
        std::vector<Staged> staged;
        for (const PlayerFileCopy& file : files) {
            std::string temporary =
                kPartialCopyPrefix + std::to_string(staged.size() + failures.size()) + ".part";
            if (std::string why = Stage(file, temporary); !why.empty()) {
                failures.push_back({file.Name, std::move(why)});
                continue;
            }
            staged.push_back({&file, std::move(temporary)});
        }
        // One flush of the player's file system writes every staged copy out
        // at once: a flush a file costs the time of a whole run on a slow stick.
        if (!staged.empty() && ::syncfs(folder_.Get()) != 0) {
            const std::string why = Failed("flushing failed", errno);
            for (const Staged& copy : staged) {
                ::unlinkat(folder_.Get(), copy.Temporary.c_str(), 0);
                failures.push_back({copy.File->Name, why});
            }
            return failures;
        }
        std::vector<const PlayerFileCopy*> renamed;
        for (const Staged& copy : staged) {
            if (::renameat(folder_.Get(), copy.Temporary.c_str(), folder_.Get(),
                           copy.File->Name.c_str()) != 0) {
                failures.push_back({copy.File->Name, Failed("renaming failed", errno)});
                ::unlinkat(folder_.Get(), copy.Temporary.c_str(), 0);
            } else {
                renamed.push_back(copy.File);
            }
        }
        // The renames live in the folder: without this, a player unplugged
        // now could come back with the old names.
        if (!renamed.empty() && ::fsync(folder_.Get()) != 0) {
            const std::string why = Failed("flushing the folder failed", errno);
            for (const PlayerFileCopy* file : renamed) {
                failures.push_back({file->Name, why});
            }
        }
        return failures;
    }

private:
    // Why name cannot take a copy: a link, a folder or a read-only file is in
    // its way. Empty when it can.
    std::string Obstacle(const std::string& name) const {
        struct stat existing {};
        if (::fstatat(folder_.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
            return {};
        }
        if (S_ISLNK(existing.st_mode)) {
            return "a symbolic link of that name is in the way";
        }
        if (S_ISDIR(existing.st_mode)) {
            return "a folder of that name is in the way";
        }
        if ((existing.st_mode & S_IWUSR) == 0) {
            return "the file there is read-only";
        }
        return {};
    }

    // Writes the file's bytes under temporary in the folder, not yet flushed.
    // Empty when that worked; otherwise why not, and no temporary is left.
    std::string Stage(const PlayerFileCopy& file, const std::string& temporary) const {
        if (std::string why = Obstacle(file.Name); !why.empty()) {
            return why;
        }
        Descriptor source(::open(file.SourcePath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (!source.Valid()) {
            return Failed("cannot read " + file.SourcePath, errno);
        }
        // One left by an unplugged player; unlinkat removes a link, never its target.
        ::unlinkat(folder_.Get(), temporary.c_str(), 0);
        Descriptor part(::openat(folder_.Get(), temporary.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (!part.Valid()) {
            return Failed("cannot create " + temporary, errno);
        }
        std::string why = CopyAll(source.Get(), part.Get());
        if (!part.Close() && why.empty()) {
            why = Failed("closing failed", errno);
        }
        if (!why.empty()) {
            ::unlinkat(folder_.Get(), temporary.c_str(), 0);
        }
        return why;
    }

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

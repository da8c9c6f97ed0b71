#pragma once

// The notes folder of a player, <root>/Notes/news, worked on without ever
// leaving the player: the way there follows no link and stays on the
// player's own file system, and inside the folder no link is followed,
// deleted or replaced. Every copy lands whole or not at all.

#include <memory>
#include <string>
#include <vector>

namespace lumbrant {

// Copies are written under names that start with this, then renamed into
// place. Notes never start with a dot, so no note can have such a name; one
// left behind by an unplugged player is deleted with the old notes of the
// next run.
inline constexpr char kPartialCopyPrefix[] = ".lumbrant-copy-";

// One file to copy onto the player: its name there, and where it is now.
struct PlayerFileCopy {
    std::string Name;
    std::string SourcePath;
};

// A copy that did not land, and why.
struct PlayerCopyFailure {
    std::string Name;
    std::string Why;
};

class PlayerNotesFolder {
public:
    virtual ~PlayerNotesFolder() = default;

    // Deletes every file of the folder except links and read-only files (no
    // write permission for the owner); subfolders stay.
    virtual void DeleteFiles() = 0;

    // Copies every file into the folder under its name, each whole or not at
    // all: each is written under a temporary name of its own (kPartialCopyPrefix),
    // then all are flushed to the disk, then each is renamed over its name, and
    // at last the folder itself is flushed, so that an unplugged player holds
    // for each name the old file or the whole new one. Answers the copies that
    // did not land and why; their names are as they were. A link, a folder or
    // a read-only file of a name stays and fails its copy.
    virtual std::vector<PlayerCopyFailure> PutFiles(const std::vector<PlayerFileCopy>& files) = 0;
};

// The notes folder of the player at root (the names "Notes" and "news"
// matched exactly), or nothing and why not: root empty, a step missing, a
// link, no folder, or on another file system than root.
std::unique_ptr<PlayerNotesFolder> OpenPlayerNotesFolder(const std::string& root,
                                                         std::string& whyNot);

} // namespace lumbrant

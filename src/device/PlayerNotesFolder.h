#pragma once

// The notes folder of a player, <root>/Notes/news, worked on without ever
// leaving the player: the way there follows no link and stays on the
// player's own file system, and inside the folder no link is followed,
// deleted or replaced. Every copy lands whole or not at all.

#include <memory>
#include <string>

namespace lumbrant {

// The name a copy is written under before it is renamed into place. Notes
// never start with a dot, so no note can have it; one left behind by an
// unplugged player is deleted with the old notes of the next run.
inline constexpr char kPartialCopyName[] = ".lumbrant-copy.part";

class PlayerNotesFolder {
public:
    virtual ~PlayerNotesFolder() = default;

    // Deletes every file of the folder except links and read-only files (no
    // write permission for the owner); subfolders stay.
    virtual void DeleteFiles() = 0;

    // Copies the file at sourcePath into the folder as name: written under
    // kPartialCopyName, flushed to the disk, then renamed over name. Empty
    // when it landed; otherwise why not, and name is as it was. A link, a
    // folder or a read-only file of that name stays and fails the copy.
    virtual std::string PutFile(const std::string& name, const std::string& sourcePath) = 0;
};

// The notes folder of the player at root (the names "Notes" and "news"
// matched exactly), or nothing and why not: root empty, a step missing, a
// link, no folder, or on another file system than root.
std::unique_ptr<PlayerNotesFolder> OpenPlayerNotesFolder(const std::string& root,
                                                         std::string& whyNot);

} // namespace lumbrant

#pragma once

// The test process moves into a mount namespace of its own at start, so that
// a tmpfs it mounts as a player is seen by the programs it starts (they
// inherit the namespace) and by nothing else on the machine.

#include <string>

namespace lumbrant::e2e {

// Called by main before any thread exists. Where the machine refuses (no
// privilege, no user namespaces), the tests that need a player skip.
void EnterPrivateMountNamespace();

// True when the namespace was entered; otherwise why not.
bool MountsAllowed(std::string& whyNot);

// A tmpfs mounted at mountPoint holding the player's marker file and an
// empty notes folder; unmounted when the object goes.
class TmpfsPlayer {
public:
    explicit TmpfsPlayer(std::string mountPoint); // throws std::runtime_error
    ~TmpfsPlayer();
    TmpfsPlayer(const TmpfsPlayer&) = delete;
    TmpfsPlayer& operator=(const TmpfsPlayer&) = delete;

    const std::string& Root() const { return root_; }
    std::string NotesFolder() const { return root_ + "/Notes/news"; }

private:
    std::string root_;
};

} // namespace lumbrant::e2e

#pragma once

// The program's entry in the current user's start-up list: the "Run" value
// "Quiller" on Windows, an XDG autostart file elsewhere.

#include <memory>
#include <string>

namespace lumbrant {

inline constexpr char kStartupEntryName[] = "Quiller";

class StartupEntry {
public:
    virtual ~StartupEntry() = default;

    // Opens the start-up list, creating it when missing. False when it cannot
    // be opened; nothing else is then done with it.
    virtual bool Open() = 0;
    // Enters the program with the executable's full path. Throws on failure.
    virtual void Set(const std::string& executablePath) = 0;
    // Removes the entry; nothing happens when there is none. Throws when an
    // existing entry cannot be removed.
    virtual void Remove() = 0;
    virtual void Close() noexcept = 0;
};

// This platform's start-up list of the current user.
std::unique_ptr<StartupEntry> MakeStartupEntry();

} // namespace lumbrant

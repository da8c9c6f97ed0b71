#pragma once

// The start-up entry as an XDG autostart file:
// <config folder>/autostart/Quiller.desktop, whose Exec line starts the
// executable. The file is written whole through a temporary name and a rename.

#include "settings/StartupEntry.h"

#include <string>
#include <string_view>

namespace lumbrant {

class StartupEntryLinux : public StartupEntry {
public:
    // configFolder is normally DefaultConfigFolder(); empty means there is none.
    explicit StartupEntryLinux(std::string configFolder);

    bool Open() override;
    void Set(const std::string& executablePath) override;
    void Remove() override;
    void Close() noexcept override {}

    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

// The Exec value that runs the program at path with no arguments: quoted when
// it holds a reserved character, "%" doubled, and escaped as a desktop-entry
// string.
std::string DesktopExecValue(std::string_view path);

// The whole autostart file for the executable at path (LF line ends, as the
// desktop-entry format has them).
std::string AutostartFileContent(std::string_view path);

} // namespace lumbrant

#pragma once

// The error log of a work folder, as an area under test writes it, and its
// entries read back.

#include "core/LogClass.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumbrant::testing {

// The values of the error log at log, in the order of its lines.
inline std::vector<std::string> LogValues(const std::filesystem::path& log) {
    std::vector<std::string> values;
    const std::string content = FileContent(log);
    std::size_t at = content.find("\r\n");
    while (at != std::string::npos && at + 2 < content.size()) {
        const std::size_t end = content.find("\r\n", at + 2);
        const std::string line = content.substr(at + 2, end - at - 2);
        values.push_back(line.substr(line.find('=') + 1));
        at = end;
    }
    return values;
}

struct FolderLog {
    explicit FolderLog(std::string folder) : Folder(std::move(folder)) {}
    FolderLog(const FolderLog&) = delete;
    FolderLog& operator=(const FolderLog&) = delete;

    // The log's values in key order.
    std::vector<std::string> Entries() const { return LogValues(Folder + "/Rovad.txt"); }
    std::string Text() const { return FileContent(Folder + "/Rovad.txt"); }

    std::string Folder;
    int Counter = 0;
    ErrorLog Log{Folder, Counter};
};

} // namespace lumbrant::testing

#pragma once

// A fresh folder under the system's temporary folder, removed with its
// contents at the end of the test, and small whole-file helpers.

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace lumbrant::testing {

// A new folder of a name of its own, prefix and a unique part, under the
// system's temporary folder, open to this user only (TempFolderPosix.cpp,
// TempFolderWin.cpp). Throws std::runtime_error when none can be made.
std::filesystem::path MakeTempFolder(const std::string& prefix);

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "lumbrant")
        : path_(std::filesystem::canonical(MakeTempFolder(prefix))) {}
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// The file's bytes, or "<missing>" when it cannot be read.
inline std::string FileContent(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace lumbrant::testing

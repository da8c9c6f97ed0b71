#include "device/DriveTableWin.h"

#include <windows.h>

namespace lumbrant {

namespace {

// Keeps the system from showing its "no disk" dialog while a drive is asked,
// and puts the process's previous setting back on every way out.
class QuietDriveErrors {
public:
    QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietDriveErrors() { SetErrorMode(previous_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    UINT previous_;
};

constexpr int kFirstLetterBit = 2; // c
constexpr int kLastLetterBit = 25; // z

} // namespace

std::vector<std::string> DriveTableWin::DriveRoots() {
    const DWORD mask = GetLogicalDrives();
    std::vector<std::string> roots;
    for (int bit = kFirstLetterBit; bit <= kLastLetterBit; ++bit) {
        if ((mask & (DWORD{1} << bit)) != 0) {
            roots.push_back(std::string(1, static_cast<char>('a' + bit)) + ":");
        }
    }
    return roots;
}

std::optional<std::string> DriveTableWin::VolumeLabel(const std::string& root) {
    QuietDriveErrors quiet;
    char label[MAX_PATH + 1] = {};
    const std::string rootFolder = root + "\\";
    if (!GetVolumeInformationA(rootFolder.c_str(), label, static_cast<DWORD>(sizeof label), nullptr,
                               nullptr, nullptr, nullptr, 0)) {
        return std::nullopt;
    }
    return std::string(label);
}

bool DriveTableWin::HoldsFile(const std::string& root, const std::vector<std::string>& components) {
    QuietDriveErrors quiet;
    return FileExistsIgnoringCase(root, components);
}

std::unique_ptr<DriveTable> CreateSystemDriveTable() {
    return std::make_unique<DriveTableWin>();
}

} // namespace lumbrant

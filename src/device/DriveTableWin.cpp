#include "device/DriveTableWin.h"

#include "device/AnswerWithin.h"

#include <windows.h>

namespace lumbrant {

namespace {

constexpr int kFirstLetterBit = 2; // c
constexpr int kLastLetterBit = 25; // z

// Keeps the system from showing its "no disk" dialog while a drive is asked
// on the calling thread.
void QuietDriveErrors() {
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
}

} // namespace

bool IsPlayerDriveType(unsigned driveType) {
    return driveType == DRIVE_FIXED || driveType == DRIVE_REMOVABLE;
}

std::vector<std::string> DriveTableWin::DriveRoots() {
    const DWORD mask = GetLogicalDrives();
    std::vector<std::string> roots;
    for (int bit = kFirstLetterBit; bit <= kLastLetterBit; ++bit) {
        if ((mask & (DWORD{1} << bit)) == 0) {
            continue;
        }
        const std::string root(1, static_cast<char>('a' + bit));
        if (IsPlayerDriveType(GetDriveTypeA((root + ":\\").c_str()))) {
            roots.push_back(root + ":");
        }
    }
    return roots;
}

std::optional<std::string> DriveTableWin::VolumeLabel(const std::string& root) {
    return AnswerWithin<std::optional<std::string>>(
               kDriveAnswerTime,
               [rootFolder = root + "\\"]() -> std::optional<std::string> {
                   QuietDriveErrors();
                   char label[MAX_PATH + 1] = {};
                   if (!GetVolumeInformationA(rootFolder.c_str(), label,
                                              static_cast<DWORD>(sizeof label), nullptr, nullptr,
                                              nullptr, nullptr, 0)) {
                       return std::nullopt;
                   }
                   return std::string(label);
               })
        .value_or(std::nullopt);
}

bool DriveTableWin::HoldsFile(const std::string& root, const std::vector<std::string>& components) {
    return AnswerWithin<bool>(kDriveAnswerTime,
                              [root, components] {
                                  QuietDriveErrors();
                                  return FileExistsIgnoringCase(root, components);
                              })
        .value_or(false);
}

std::unique_ptr<DriveTable> CreateSystemDriveTable() {
    return std::make_unique<DriveTableWin>();
}

} // namespace lumbrant

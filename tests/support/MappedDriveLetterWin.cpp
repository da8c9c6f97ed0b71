#include "support/MappedDriveLetter.h"

#include <cstring>
#include <windows.h>
#include <winioctl.h>

// Needs the types of the headers above.
#include <ddk/mountmgr.h>

namespace lumbrant::testing {

namespace {

namespace fs = std::filesystem;

// Wine's mount manager request that defines (with a Unix folder) or
// removes (without) a drive letter, in the layout of Wine 6 and later.
struct WineUnixDrive {
    ULONG Size;
    ULONG Type;
    ULONG FsType;
    DWORD Serial;
    ULONGLONG UnixDevice;
    WCHAR Letter;
    USHORT MountPointOffset;
    USHORT DeviceOffset;
    USHORT LabelOffset;
};

using UnixFileName = char*(CDECL*)(LPCWSTR);

UnixFileName WineUnixFileName() {
    return reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
}

bool DefineWineDrive(char letter, const std::string& unixFolder, unsigned driveType) {
    const HANDLE manager =
        CreateFileW(MOUNTMGR_DOS_DEVICE_NAME, GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::string request(sizeof(WineUnixDrive) + unixFolder.size() + 1, '\0');
    WineUnixDrive drive{};
    drive.Size = static_cast<ULONG>(request.size());
    drive.Type = unixFolder.empty() ? DRIVE_NO_ROOT_DIR : driveType;
    drive.Letter = static_cast<WCHAR>(letter);
    drive.MountPointOffset = unixFolder.empty() ? 0 : sizeof drive;
    std::memcpy(request.data(), &drive, sizeof drive);
    std::memcpy(request.data() + sizeof drive, unixFolder.c_str(), unixFolder.size());
    const bool done =
        DeviceIoControl(manager, IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE, request.data(),
                        static_cast<DWORD>(request.size()), nullptr, 0, nullptr, nullptr) != 0;
    CloseHandle(manager);
    return done;
}

} // namespace

MappedDriveLetter::MappedDriveLetter(const fs::path& folder, unsigned driveType)
    : folder_(folder.string()), driveType_(driveType) {
    const DWORD used = GetLogicalDrives();
    for (char letter = 'y'; letter >= 'd' && letter_ == 0; --letter) {
        if ((used & (DWORD{1} << (letter - 'a'))) == 0 && Map(letter)) {
            letter_ = letter;
        }
    }
}

MappedDriveLetter::~MappedDriveLetter() {
    if (letter_ != 0) {
        Unmap();
    }
}

bool MappedDriveLetter::Map(char letter) {
    if (const UnixFileName toUnix = WineUnixFileName()) {
        const std::wstring wide = fs::path(folder_).wstring();
        char* unixFolder = toUnix(wide.c_str());
        const bool mapped =
            unixFolder != nullptr && DefineWineDrive(letter, unixFolder, driveType_);
        HeapFree(GetProcessHeap(), 0, unixFolder);
        return mapped;
    }
    const std::string device = std::string(1, letter) + ":";
    return DefineDosDeviceA(0, device.c_str(), folder_.c_str()) != 0;
}

void MappedDriveLetter::Unmap() {
    if (WineUnixFileName() != nullptr) {
        DefineWineDrive(letter_, "", driveType_);
    } else {
        const std::string device = Root();
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
    }
}

} // namespace lumbrant::testing

#include "support/Junction.h"

#include <cstring>
#include <system_error>
#include <vector>
#include <windows.h>
#include <winioctl.h>

namespace lumbrant::testing {

namespace {

namespace fs = std::filesystem;

// The mount-point form of the system's reparse data: a header, then the
// target as the system reads it and as it is shown, both ended by a NUL.
struct MountPointHeader {
    DWORD Tag;
    WORD DataLength;
    WORD Reserved;
    WORD TargetOffset;
    WORD TargetLength;
    WORD ShownOffset;
    WORD ShownLength;
};

// What follows Tag, DataLength and Reserved counts in DataLength.
constexpr std::size_t kCountedHeader = sizeof(MountPointHeader) - 8;

std::string Why(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

} // namespace

std::string MakeJunction(const fs::path& link, const fs::path& target) {
    std::error_code error;
    fs::create_directories(link, error);
    if (error) {
        return error.message();
    }
    const std::wstring systemTarget = L"\\??\\" + fs::absolute(target).wstring();
    const std::size_t names = (systemTarget.size() + 1 + 1) * sizeof(wchar_t);
    std::vector<char> buffer(sizeof(MountPointHeader) + names, '\0');
    MountPointHeader header{};
    header.Tag = IO_REPARSE_TAG_MOUNT_POINT;
    header.DataLength = static_cast<WORD>(kCountedHeader + names);
    header.TargetLength = static_cast<WORD>(systemTarget.size() * sizeof(wchar_t));
    header.ShownOffset = static_cast<WORD>(header.TargetLength + sizeof(wchar_t));
    std::memcpy(buffer.data(), &header, sizeof header);
    std::memcpy(buffer.data() + sizeof header, systemTarget.c_str(), header.TargetLength);

    const HANDLE folder =
        CreateFileW(link.wstring().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return Why(GetLastError());
    }
    DWORD returned = 0;
    const bool made =
        DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                        static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr) != 0;
    const DWORD why = GetLastError();
    CloseHandle(folder);
    if (!made) {
        return Why(why);
    }
    return IsJunction(link) ? std::string() : "the folder did not become a junction";
}

bool IsJunction(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.wstring().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

} // namespace lumbrant::testing

// Players on real drive letters: a free letter is mapped to a temporary
// folder for the test's length. Under Wine its mount manager maps it, as
// Wine's own drive configuration does (a link in the prefix's dosdevices
// folder); on Windows the letter is defined as subst does.

#include "device/DeviceDetection.h"
#include "device/DeviceTransfer.h"
#include "device/PlayerNotesFolder.h"
#include "support/FakeMainView.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

// Needs the types of the headers above.
#include <ddk/mountmgr.h>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

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

bool DefineWineDrive(char letter, const std::string& unixFolder) {
    const HANDLE manager =
        CreateFileW(MOUNTMGR_DOS_DEVICE_NAME, GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::string request(sizeof(WineUnixDrive) + unixFolder.size() + 1, '\0');
    WineUnixDrive drive{};
    drive.Size = static_cast<ULONG>(request.size());
    drive.Type = unixFolder.empty() ? DRIVE_NO_ROOT_DIR : DRIVE_REMOVABLE;
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

class MappedDriveLetter {
public:
    explicit MappedDriveLetter(const fs::path& folder) : folder_(folder.string()) {
        const DWORD used = GetLogicalDrives();
        for (char letter = 'y'; letter >= 'd' && letter_ == 0; --letter) {
            if ((used & (DWORD{1} << (letter - 'a'))) == 0 && Map(letter)) {
                letter_ = letter;
            }
        }
    }
    ~MappedDriveLetter() {
        if (letter_ != 0) {
            Unmap();
        }
    }
    MappedDriveLetter(const MappedDriveLetter&) = delete;
    MappedDriveLetter& operator=(const MappedDriveLetter&) = delete;

    bool Mapped() const { return letter_ != 0; }
    std::string Root() const { return std::string(1, letter_) + ":"; }

private:
    bool Map(char letter) {
        if (const UnixFileName toUnix = WineUnixFileName()) {
            const std::wstring wide = fs::path(folder_).wstring();
            char* unixFolder = toUnix(wide.c_str());
            const bool mapped = unixFolder != nullptr && DefineWineDrive(letter, unixFolder);
            HeapFree(GetProcessHeap(), 0, unixFolder);
            return mapped;
        }
        const std::string device = std::string(1, letter) + ":";
        return DefineDosDeviceA(0, device.c_str(), folder_.c_str()) != 0;
    }
    void Unmap() {
        if (WineUnixFileName() != nullptr) {
            DefineWineDrive(letter_, "");
        } else {
            const std::string device = Root();
            DefineDosDeviceA(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
        }
    }

    std::string folder_;
    char letter_ = 0;
};

// Two folders on letters of their own: "player" holds the marker, "plain" does not.
class DriveLettersTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!player_.Mapped() || !plain_.Mapped()) {
            GTEST_SKIP() << "no free drive letter could be mapped to a folder";
        }
    }

    static bool MakeFolders(const fs::path& root) {
        WriteFile(root / "player" / "iPod_Control" / "iTunes" / "iTunesDB", "db");
        fs::create_directories(root / "player" / "Notes" / "news");
        return fs::create_directories(root / "plain" / "Notes" / "news");
    }

    TempFolder temp_;
    bool made_ = MakeFolders(temp_.Path());
    MappedDriveLetter player_{temp_.Path() / "player"};
    MappedDriveLetter plain_{temp_.Path() / "plain"};
    testing::FolderLog log_{temp_ / "work"};
    DeviceState state_;
    FakeMainView view_;
};

TEST_F(DriveLettersTest, OnlyTheLetterWhoseFolderHoldsTheMarkerIsAPlayer) {
    const auto drives = CreateSystemDriveTable();
    const std::vector<std::string> roots = drives->DriveRoots();
    EXPECT_NE(std::find(roots.begin(), roots.end(), player_.Root()), roots.end());
    EXPECT_NE(std::find(roots.begin(), roots.end(), plain_.Root()), roots.end());
    EXPECT_EQ(std::find(roots.begin(), roots.end(), "a:"), roots.end());
    EXPECT_NE(drives->VolumeLabel(player_.Root()), std::nullopt);

    DeviceDetection detection(state_, view_, *drives, log_.Log);
    EXPECT_TRUE(detection.GetiPodDriver());
    EXPECT_EQ(state_.iPod.EntryRoots, std::vector<std::string>{player_.Root()});
    EXPECT_EQ(state_.iPod.DeviceRoot, player_.Root());
    EXPECT_EQ(view_.LastStatus(), "1 iPod detected.");
    EXPECT_EQ(log_.Counter, 0);
}

TEST_F(DriveLettersTest, TheTransferDeletesAndCopiesOnTheLetterAndAReadOnlyNoteStays) {
    const fs::path news = temp_.Path() / "player" / "Notes" / "news";
    WriteFile(news / "News item 7", "old\r\n");
    WriteFile(news / "News item 8", "kept by the user\r\n");
    fs::permissions(news / "News item 8", fs::perms::owner_read);
    WriteFile(fs::path(log_.Folder) / "news" / "index", "<title>Index</title>\r\n");
    WriteFile(fs::path(log_.Folder) / "news" / "News item 1", "one\r\n");
    state_.DeviceFound = true;
    state_.iPod.DeviceRoot = player_.Root();

    DeviceTransfer transfer(state_, log_.Folder, view_, log_.Log);
    EXPECT_TRUE(transfer.CopyNotesToDevice());

    EXPECT_FALSE(fs::exists(news / "News item 7"));
    EXPECT_EQ(ReadFile(news / "News item 8"), "kept by the user\r\n");
    EXPECT_EQ(ReadFile(news / "index"), "<title>Index</title>\r\n");
    EXPECT_EQ(ReadFile(news / "News item 1"), "one\r\n");
    for (const auto& entry : fs::directory_iterator(news)) {
        EXPECT_NE(entry.path().filename().string().rfind(kPartialCopyPrefix, 0), 0u)
            << entry.path();
    }
    fs::permissions(news / "News item 8", fs::perms::owner_all);
}

} // namespace
} // namespace lumbrant

#include "device/DeviceTransfer.h"
#include "support/FakeMainView.h"
#include "support/FlushRecorder.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

namespace fs = std::filesystem;

// While it lives, no file can grow beyond limit bytes: a write past it fails
// part-way, as on a full player.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

TEST(DeviceTransferLinux, ANoteCutShortLandsNotAtAllAndTheOthersStillDo) {
    TempFolder temp;
    testing::FolderLog log(temp / "work");
    DeviceState state;
    state.DeviceFound = true;
    state.iPod.DeviceRoot = temp / "player";
    const fs::path local = temp.Path() / "work" / "news";
    const fs::path news = temp.Path() / "player" / "Notes" / "news";
    WriteFile(local / "index", "<title>Index</title>\r\n");
    WriteFile(local / "News item 3", std::string(100000, 'x'));
    WriteFile(news / "News item 3", "last run's\r\n");
    FakeMainView view;
    DeviceTransfer transfer(state, log.Folder, view, log.Log);

    bool whole = true;
    {
        FileSizeLimit fullPlayer(4096);
        whole = transfer.CopyNotesToDevice();
    }

    EXPECT_FALSE(whole);
    EXPECT_EQ(ReadFile(news / "index"), "<title>Index</title>\r\n");
    EXPECT_FALSE(fs::exists(news / "News item 3")) << "a truncated note landed";
    EXPECT_EQ(std::distance(fs::directory_iterator(news), fs::directory_iterator()), 1)
        << "the partial copy stayed";
    EXPECT_EQ(ReadFile(temp.Path() / "work" / "Rovad.txt"),
              "[Access Log]\r\n0=CopyNotesToDevice:News item 3: writing failed: File too "
              "large\r\n");
    EXPECT_EQ(fs::file_size(local / "News item 3"), 100000u);
}

// However many notes a run made, the player's file system is flushed once
// before the renames and its notes folder once after them: a flush a file
// made the copy take a third of a whole run.
TEST(DeviceTransferLinux, TheCopiesAreFlushedTogetherAndTheFolderOnce) {
    TempFolder temp;
    testing::FolderLog log(temp / "work");
    DeviceState state;
    state.DeviceFound = true;
    state.iPod.DeviceRoot = temp / "player";
    const fs::path local = temp.Path() / "work" / "news";
    const fs::path news = temp.Path() / "player" / "Notes" / "news";
    WriteFile(local / "index", "<title>Index</title>\r\n");
    for (int note = 1; note <= 40; ++note) {
        WriteFile(local / ("News item " + std::to_string(note)), "story\r\n");
    }
    fs::create_directories(news);
    FakeMainView view;
    DeviceTransfer transfer(state, log.Folder, view, log.Log);

    testing::TakeRecordedFlushes();
    EXPECT_TRUE(transfer.CopyNotesToDevice());
    const auto flushes = testing::TakeRecordedFlushes();

    ASSERT_EQ(flushes.size(), 2u);
    EXPECT_EQ(flushes[0].Call, "syncfs");
    EXPECT_EQ(flushes[1].Call, "fsync");
    EXPECT_EQ(flushes[1].Path, news.string());
    EXPECT_EQ(std::distance(fs::directory_iterator(news), fs::directory_iterator()), 41);
}

} // namespace
} // namespace lumbrant

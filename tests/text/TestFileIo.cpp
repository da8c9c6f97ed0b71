#include "support/FlushRecorder.h"
#include "support/ForkedChild.h"
#include "support/TempFolder.h"
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using lumbrant::testing::FileContent;
using lumbrant::testing::RunInForkedChild;
using lumbrant::testing::TempFolder;
using lumbrant::testing::WriteFile;
namespace fs = std::filesystem;

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(WriteFileAtomic, AFailedWriteLeavesNoTemporaryFileAndTheTargetAsItWas) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> prepare;
        rlim_t sizeLimit; // 0: none
    };
    const Case cases[] = {
        {"the target is a folder", [](const fs::path& p) { WriteFile(p / "kept", "k"); }, 0},
        {"the file size limit stops the write", [](const fs::path& p) { WriteFile(p, "old"); },
         4096},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const fs::path target = folder.Path() / "target";
        c.prepare(target);
        auto content = [&] {
            return fs::is_directory(target) ? FileContent(target / "kept") : FileContent(target);
        };
        const std::string before = content();
        const int threw = RunInForkedChild([&] {
            if (c.sizeLimit > 0) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{c.sizeLimit, c.sizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            try {
                text::WriteFileAtomic(target.string(), std::string(1 << 20, 'n'));
                return 0;
            } catch (const std::runtime_error&) {
                return 1;
            }
        });
        EXPECT_EQ(threw, 1);
        EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"target"});
        EXPECT_EQ(content(), before);
    }
}

// A file that must last reaches the disk with its new name: its bytes before
// the rename, the folder that holds the name after it. A scratch file is
// left to the system's cache.
TEST(WriteFileAtomic, ADurableWriteFlushesTheFileAndItsFolderAScratchWriteNeither) {
    TempFolder folder;
    const std::string target = folder / "kept";
    lumbrant::testing::TakeRecordedFlushes();
    text::WriteFileAtomic(target, "content");
    const auto flushes = lumbrant::testing::TakeRecordedFlushes();
    ASSERT_EQ(flushes.size(), 2u);
    EXPECT_EQ(flushes[0].Call, "fsync");
    EXPECT_TRUE(flushes[0].Path.starts_with(target + ".")) << flushes[0].Path;
    EXPECT_EQ(flushes[1].Call, "fsync");
    EXPECT_EQ(flushes[1].Path, folder.Path().string());

    text::WriteFileAtomic(folder / "scratch", "content", text::Durability::Unflushed);
    EXPECT_TRUE(lumbrant::testing::TakeRecordedFlushes().empty());
    EXPECT_EQ(FileContent(folder / "scratch"), "content");
}

// The error log grows entry by entry: an entry added at the end is appended
// and left to the cache until the log is flushed as a whole, but a write that
// rewrites the file (its first entry, an entry updated) is flushed at once,
// since a rewrite cut short could lose every entry before it.
TEST(IniFile, AnEntryAtTheEndIsAppendedUnflushedAndARewriteIsFlushed) {
    TempFolder folder;
    const text::IniFile log(folder / "Rovad.txt");
    struct Step {
        const char* Key;
        const char* Value;
        std::size_t Flushes;
        const char* Content;
    };
    const Step steps[] = {
        {"0", "first", 2, "[Access Log]\r\n0=first\r\n"},
        {"1", "second", 0, "[Access Log]\r\n0=first\r\n1=second\r\n"},
        {"0", "again", 2, "[Access Log]\r\n0=again\r\n1=second\r\n"},
    };
    lumbrant::testing::TakeRecordedFlushes();
    for (const Step& step : steps) {
        log.WriteString("Access Log", step.Key, step.Value, text::Durability::Unflushed);
        EXPECT_EQ(lumbrant::testing::TakeRecordedFlushes().size(), step.Flushes) << step.Value;
        EXPECT_EQ(FileContent(log.Path()), step.Content);
    }
    text::FlushFile(log.Path());
    const auto flushes = lumbrant::testing::TakeRecordedFlushes();
    ASSERT_EQ(flushes.size(), 1u);
    EXPECT_EQ(flushes[0].Path, log.Path());
}

// The temporary files are seen as they are created in the folder.
TEST(WriteFileAtomic, WritersInOneProcessAndInAnotherUseTemporaryFilesOfTheirOwn) {
    TempFolder folder;
    const std::string target = folder / "shared";
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, folder.Path().c_str(), IN_CREATE), 0);

    text::WriteFileAtomic(target, "first");
    EXPECT_EQ(RunInForkedChild([&] {
                  text::WriteFileAtomic(target, "child");
                  return 0;
              }),
              0);
    text::WriteFileAtomic(target, "last");

    std::multiset<std::string> created;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            created.insert(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(created.size(), 3u);
    EXPECT_EQ(std::set<std::string>(created.begin(), created.end()).size(), 3u);
    EXPECT_EQ(created.count("shared"), 0u);
    EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"shared"});
    EXPECT_EQ(FileContent(target), "last");
}

} // namespace

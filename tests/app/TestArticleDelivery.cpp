// An article job's result reaching the core: the slot's fields keep the
// page for the record, the outcome is logged, the note written, and the slot
// goes on with its next story on every path.

#include "app/AppCore.h"
#include "support/FakeMainView.h"
#include "support/FakePorts.h"
#include "support/FolderLog.h"
#include "support/JobResults.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;
using testing::FakeDriveTable;
using testing::FakeJobs;
using testing::FakeSettings;
using testing::FakeStartup;

std::string Repeated(const std::string& sentence, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += sentence;
    }
    return text;
}

// Long enough for a note.
const std::string kPage = "<html><head><title>x</title></head><body class=a><p>Heavy rain fell "
                          "on the city all day. " +
                          Repeated("Rivers rose. ", 30) + "</p><table><tr><td>z";

class ArticleDeliveryTest : public ::testing::Test {
protected:
    ArticleDeliveryTest() {
        settings.CreateKey();
        for (const char* name : {"AG", "CI", "HS"}) {
            settings.WriteInteger(name, 0);
        }
        settings.CloseKey();
        core.Construct();
        fs::create_directories(state.WorkDir);
        // The story of slot n's page, and a story waiting for each restart.
        state.StoryLists[0] = {"Readed", "http://www.daily.example/a/1", "Rain",
                               "Rain fell on the city"};
        for (int i = 0; i < 8; ++i) {
            state.StoryLists[1].insert(
                state.StoryLists[1].end(),
                {"unreaded", "http://next.example/" + std::to_string(i), "t", "s"});
        }
    }

    std::vector<int> RestartedSlots() const {
        std::vector<int> slots;
        for (const auto& job : jobs.InFlight) {
            slots.push_back(job.Slot);
        }
        return slots;
    }

    testing::TempFolder folder{"lumbrant-delivery"};
    MainState state;
    FakeMainView view;
    FakeJobs jobs;
    FakeDriveTable drives;
    FakeSettings settings;
    FakeStartup startup;
    AppCore core{state, AppPorts{view, jobs, drives, settings, startup, folder / "Lumbrant"}};
    testing::FolderLog log{folder.Path().string()};
};

TEST_F(ArticleDeliveryTest, AFailedDownloadLogsOnlyOnSlotThreeAndRestarts) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        core.Deliver(testing::ArticleFailed(slot));
    }
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"Not Get Html!"});
    EXPECT_EQ(RestartedSlots(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(fs::exists(state.WorkDir + "/news"));
}

TEST_F(ArticleDeliveryTest, AnArrivedPageIsKeptLoggedWrittenAndItsSlotRestarted) {
    core.Deliver(testing::ArticleArrived(2, kPage, "TO", "1"));
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"Right 1/2"});
    EXPECT_EQ(testing::FileContent(state.WorkDir + "/news/index"),
              "<title>Here Starts</title>\r\n<a href=\"News item 1\">Rain</a>\r\n");
    EXPECT_EQ(RestartedSlots(), std::vector<int>{2});
}

TEST_F(ArticleDeliveryTest, AnErrorIsLoggedAndTheSlotRestartsOnce) {
    core.Deliver(testing::ArticleArrived(3, kPage, "TO", "one"));
    // A file where the news folder belongs: the note cannot be written.
    testing::WriteFile(state.WorkDir + "/news", "");
    core.Deliver(testing::ArticleArrived(4, kPage, "TO", "1"));
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], "!!! 'one' is not a valid integer value");
    EXPECT_EQ(entries[1], "Right 1/2");
    EXPECT_EQ(entries[2].rfind("!!! Cannot create folder", 0), 0u) << entries[2];
    EXPECT_EQ(RestartedSlots(), (std::vector<int>{3, 4}));
}

// In a feed edition every story gets a note: its article's text when the
// page holds one, else the feed's summary, and the log says which.
TEST_F(ArticleDeliveryTest, AFeedEditionWritesEveryStoryItsArticleOrElseItsSummary) {
    const std::string summary = "Rain fell on the city";
    const std::string article =
        "<html><head><meta charset=\"windows-1252\"><title>Rain</title></head><body>"
        "<nav><a href=/>Home</a></nav><article><h1>Rain</h1><p>Rain fell on the city all "
        "day, and the caf\xE9s closed early.</p><aside>Read more: Sun</aside><p>Rivers rose "
        "by a metre before the evening, the water board said.</p></article></body></html>";
    struct Row {
        const char* What;
        JobResult Result;
        std::string LogEntry;
        std::string Text; // the note's lines between its title and its footer
    };
    const std::vector<Row> rows{
        {"an article", testing::ArticleArrived(1, article, "TO", "1"), "Article",
         "Rain fell on the city all day, and the caf\xC3\xA9s closed early.\r\n\r\n"
         "Rivers rose by a metre before the evening, the water board said."},
        {"no page of text", testing::ArticleArrived(2, "\x89PNG\r\n\x1a\n\0\0", "TO", "1"),
         "Summary only: ", summary},
        {"a page that could not be fetched", testing::ArticleFailed(3, "TO", "1"),
         "Summary only: the page could not be fetched: HTTP/1.1 404", summary},
    };
    state.FeedEdition = true;
    for (const Row& row : rows) {
        core.Deliver(row.Result);
    }
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(rows[k].What);
        EXPECT_EQ(entries[k].rfind(rows[k].LogEntry, 0), 0u) << entries[k];
        EXPECT_EQ(testing::FileContent(state.WorkDir + "/news/News item " + std::to_string(k + 1)),
                  "Rain\r\n" + rows[k].Text +
                      "\r\n\r\n<a href=\"index\">Back</a>\r\n\r\nMore detail, please visit "
                      "http://www.daily.example/a/1\r\n");
    }
    EXPECT_EQ(RestartedSlots(), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace lumbrant

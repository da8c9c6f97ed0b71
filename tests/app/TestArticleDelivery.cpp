// An article job's result reaching the core: the slot's fields keep the
// page for the record, the outcome is logged, the note written, and the slot
// goes on with its next story on every path.

#include "app/AppCore.h"
#include "support/FakeMainView.h"
#include "support/FakePorts.h"
#include "support/FolderLog.h"
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

TEST_F(ArticleDeliveryTest, AFailedDownloadKeepsTheFieldsLogsOnlyOnSlotThreeAndRestarts) {
    state.SlotPageText[2] = "<body>previous page";
    state.SlotCategoryCode[2] = "WO";
    state.SlotStoryId[2] = "13";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        core.Deliver({slot, true, "", "", "", {}, ""});
    }
    EXPECT_EQ(state.SlotPageText[2], "<body>previous page");
    EXPECT_EQ(state.SlotCategoryCode[2], "WO");
    EXPECT_EQ(state.SlotStoryId[2], "13");
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"Not Get Html!"});
    EXPECT_EQ(RestartedSlots(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(fs::exists(state.WorkDir + "/news"));
}

TEST_F(ArticleDeliveryTest, AnArrivedPageIsKeptLoggedWrittenAndItsSlotRestarted) {
    core.Deliver({2, false, kPage, "TO", "1", {}, ""});
    EXPECT_EQ(state.SlotPageText[1], kPage);
    EXPECT_EQ(state.SlotCategoryCode[1], "TO");
    EXPECT_EQ(state.SlotStoryId[1], "1");
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"Right 1/2"});
    EXPECT_EQ(testing::FileContent(state.WorkDir + "/news/index"),
              "<title>Here Starts</title>\r\n<a href=\"News item 1\">Rain</a>\r\n");
    EXPECT_EQ(RestartedSlots(), std::vector<int>{2});
}

TEST_F(ArticleDeliveryTest, AnErrorIsLoggedAndTheSlotRestartsOnce) {
    core.Deliver({3, false, kPage, "TO", "one", {}, ""});
    // A file where the news folder belongs: the note cannot be written.
    testing::WriteFile(state.WorkDir + "/news", "");
    core.Deliver({4, false, kPage, "TO", "1", {}, ""});
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], "!!! 'one' is not a valid integer value");
    EXPECT_EQ(entries[1], "Right 1/2");
    EXPECT_EQ(entries[2].rfind("!!! Cannot create folder", 0), 0u) << entries[2];
    EXPECT_EQ(RestartedSlots(), (std::vector<int>{3, 4}));
}

} // namespace
} // namespace lumbrant

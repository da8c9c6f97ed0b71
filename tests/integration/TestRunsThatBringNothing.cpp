#include "support/EventPump.h"
#include "support/ExpectedNotes.h"
#include "support/FormSandbox.h"
#include "ui/MessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace lumbrant {
namespace {

using testing::FormSandbox;
using testing::PumpUntil;

namespace fs = std::filesystem;

// The files of a folder and their bytes.
std::map<std::string, std::string> Files(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = testing::ReadFile(entry.path());
    }
    return files;
}

const std::map<std::string, std::string> kEarlierNotes{
    {"index", "<title>Here Starts</title>\r\n<a href=\"News item 1\">Yesterday</a>\r\n"},
    {"News item 1", "Yesterday's story\r\n"},
};

struct NothingBrought {
    const char* What;
    // The edition file written for the run (none for a classic run), given the service.
    std::function<std::string(const newsdesk::NewsDesk&)> Edition;
    // The run itself, from the press of "Get News" on.
    std::function<void(TFormMain&)> Run;
    // A log entry that says why the player kept its notes.
    const char* LogSays;
};

void PressGetNews(TFormMain& form) {
    form.findChild<QPushButton*>("ButtonCopy")->click();
}

void RunToItsEnd(TFormMain& form) {
    PressGetNews(form);
    ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; })) << "the run never ended";
}

std::string FeedsOf(const newsdesk::NewsDesk& desk, const std::vector<std::string>& paths) {
    std::string edition = "[United States]\r\n";
    const char* codes[] = {"TO", "WO", "LO", "BU"};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        edition += std::string(codes[i]) + "=" + desk.BaseUrl() + paths[i] + "\r\n";
    }
    return edition;
}

class RunsThatBringNothing : public ::testing::Test {
protected:
    void TearDown() override {
        MessageBoxes::setAnswerEveryBox(false);
        MessageBoxes::clearShownTexts();
    }
};

// A player that holds an earlier run's notes keeps them byte for byte after a
// run that wrote no note, whatever kept it from writing one; a run that
// writes notes still replaces them.
TEST_F(RunsThatBringNothing, LeaveThePlayersNotesAsTheyWere) {
    const std::vector<NothingBrought> runs{
        {"the front page cannot be fetched", nullptr, RunToItsEnd,
         "FrontPage:the front page could not be fetched: "},
        {"every feed fails",
         [](const newsdesk::NewsDesk& desk) {
             return FeedsOf(desk, {"/feeds/tus/gone.xml", "/feeds/tus/lost.xml"});
         },
         RunToItsEnd, "CopyNotesToDevice:this run wrote no notes"},
        {"no key of the edition is usable",
         [](const newsdesk::NewsDesk& desk) {
             return "[United States]\r\nT0=" + desk.FeedUrl("tus", "TO") +
                    "\r\nWO=file:///etc/hostname\r\n";
         },
         RunToItsEnd, "ButtonCopyClick:the edition of United States names no feed to read"},
        {"stopped twice while the feeds load",
         [](const newsdesk::NewsDesk& desk) {
             return FeedsOf(desk, {"/feeds/tus/TO.xml", "/feeds/tus/WO.xml"});
         },
         [](TFormMain& form) {
             PressGetNews(form);
             PressGetNews(form);
             PressGetNews(form);
             ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; }));
         },
         "CopyNotesToDevice:this run wrote no notes"},
        {"Yes to the close question before any note",
         [](const newsdesk::NewsDesk& desk) {
             return FeedsOf(desk, {"/feeds/tus/TO.xml", "/feeds/tus/WO.xml"});
         },
         [](TFormMain& form) {
             PressGetNews(form);
             MessageBoxes::setNextAnswer(BoxAnswer::Yes);
             form.findChild<QPushButton*>("XP_ButtonSmall3")->click();
             ASSERT_FALSE(form.isVisible()) << "Yes closes the window";
         },
         "CopyNotesToDevice:this run wrote no notes"},
    };
    for (const NothingBrought& run : runs) {
        SCOPED_TRACE(run.What);
        FormSandbox sandbox;
        newsdesk::Options options;
        options.LatencyMs = 400;
        newsdesk::NewsDesk desk(options);
        ASSERT_TRUE(desk.Start());
        std::string service = desk.BaseUrl();
        if (!run.Edition) {
            desk.Stop(); // nothing answers there any more
        } else {
            testing::WriteFile(sandbox.WorkDir() + "/Editions.ini", run.Edition(desk));
        }
        sandbox.UseNewsService(service);
        const fs::path news = sandbox.AddPlayer("player") + "/Notes/news";
        for (const auto& [name, content] : kEarlierNotes) {
            testing::WriteFile(news / name, content);
        }
        MessageBoxes::setAnswerEveryBox(true);
        TFormMain form(sandbox.Dependencies());
        form.show();
        run.Run(form);

        EXPECT_EQ(Files(news), kEarlierNotes);
        const std::string log = testing::ReadFile(sandbox.WorkDir() + "/Rovad.txt");
        EXPECT_NE(log.find(run.LogSays), std::string::npos) << log;
        EXPECT_FALSE(MessageBoxes::shownTexts().contains("iPod Not Connected!"));
        MessageBoxes::clearShownTexts();
    }
}

// Feeds that would keep the run waiting for a minute: one press of Stop ends
// it at once, as a stopped run that leaves the player as it was.
TEST_F(RunsThatBringNothing, OneStopWhileTheFeedsLoadEndsTheRunAtOnce) {
    FormSandbox sandbox;
    newsdesk::Options options;
    options.LatencyMs = 60000;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    sandbox.UseNewsService(desk.BaseUrl());
    std::string edition = "[United States]\r\n";
    for (const char* code : {"TO", "WO", "LO", "BU", "SC", "SP", "EN", "HE"}) {
        edition += std::string(code) + "=" + desk.FeedUrl("tus", code) + "\r\n";
    }
    testing::WriteFile(sandbox.WorkDir() + "/Editions.ini", edition);
    const fs::path news = sandbox.AddPlayer("player") + "/Notes/news";
    for (const auto& [name, content] : kEarlierNotes) {
        testing::WriteFile(news / name, content);
    }
    TFormMain form(sandbox.Dependencies());
    form.show();
    PressGetNews(form);
    ASSERT_TRUE(PumpUntil([&] { return desk.InFlight() == 4; })) << "four feeds at a time";
    PressGetNews(form);
    ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; }));

    EXPECT_EQ(desk.InFlight(), 4) << "the run ended while the feeds were still held";
    EXPECT_EQ(desk.TotalRequests(), 4);
    EXPECT_EQ(Files(news), kEarlierNotes);
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "Get News Stoped");
    const auto log = testing::ReadLogValues(sandbox.WorkDir() + "/Rovad.txt");
    EXPECT_EQ(
        std::count(log.begin(), log.end(), "FrontPage:TO: the run was stopped before it arrived"),
        1);
}

TEST_F(RunsThatBringNothing, ARunThatWritesNotesStillReplacesThem) {
    FormSandbox sandbox;
    newsdesk::NewsDesk desk(newsdesk::Options{});
    ASSERT_TRUE(desk.Start());
    sandbox.UseNewsService(desk.BaseUrl());
    const fs::path news = sandbox.AddPlayer("player") + "/Notes/news";
    for (const auto& [name, content] : kEarlierNotes) {
        testing::WriteFile(news / name, content);
    }
    TFormMain form(sandbox.Dependencies());
    form.show();
    RunToItsEnd(form);

    EXPECT_EQ(Files(news), Files(sandbox.NewsFolder()));
    EXPECT_NE(Files(news).at("index"), kEarlierNotes.at("index"));
}

} // namespace
} // namespace lumbrant

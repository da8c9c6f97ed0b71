#include "support/EventPump.h"
#include "support/ExpectedNotes.h"
#include "support/FormSandbox.h"
#include "support/IndexWalk.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::FormSandbox;
using testing::PumpUntil;
using testing::ReadNewsFolder;

class FullRunTest : public ::testing::Test {
protected:
    void StartDesk(newsdesk::Options options) {
        desk = std::make_unique<newsdesk::NewsDesk>(options);
        ASSERT_TRUE(desk->Start());
        sandbox.UseNewsService(desk->BaseUrl());
    }

    void RunToTheEnd(TFormMain& form) {
        form.findChild<QPushButton*>("ButtonCopy")->click();
        ASSERT_TRUE(form.State().Running);
        ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; })) << "the run never ended";
    }

    void TearDown() override {
        MessageBoxes::setAnswerEveryBox(false);
        MessageBoxes::clearShownTexts();
    }

    FormSandbox sandbox;
    std::unique_ptr<newsdesk::NewsDesk> desk;
    testing::TempFolder scratch{"lumbrant-expected"};
};

TEST_F(FullRunTest, ARunFetchesEveryStoryOnceAndWritesExactlyTheNotesItsPagesCallFor) {
    newsdesk::Options options;
    options.StoriesPerSection = 4;
    StartDesk(options);
    const std::string player = sandbox.AddPlayer("player");
    TFormMain form(sandbox.Dependencies());
    form.show();
    RunToTheEnd(form);

    EXPECT_EQ(desk->RequestCount("/news?ned=tus"), 1);
    for (const auto& story : desk->Stories("tus")) {
        EXPECT_EQ(desk->RequestCount(story.ArticlePath), 1) << story.ArticlePath;
    }
    EXPECT_LE(desk->MaxInFlight(), 4);
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "Get News Stoped");
    EXPECT_EQ(form.findChild<QPushButton*>("ButtonCopy")->text(), "Get News");

    const auto expected = testing::ExpectedRun(*desk, "tus", scratch.Path());
    const auto written = ReadNewsFolder(sandbox.NewsFolder());
    EXPECT_GT(written.StoryNotes.size(), 20u);
    EXPECT_EQ(written.StoryNotes, expected.Notes.StoryNotes);
    EXPECT_EQ(written.IndexLines, expected.Notes.IndexLines);
    EXPECT_TRUE(written.IndexTitle == "<title>Here Starts</title>" ||
                written.IndexTitle == "<title>Index of News</title>");
    EXPECT_EQ(testing::ReadLogValues(sandbox.WorkDir() + "/Rovad.txt"), expected.LogValues);
    EXPECT_EQ(expected.LogValues.size(), desk->Stories("tus").size());

    const auto onPlayer = ReadNewsFolder(player + "/Notes/news");
    EXPECT_EQ(onPlayer.StoryNotes, written.StoryNotes);
    EXPECT_EQ(onPlayer.FileCount, written.FileCount);
}

// An edition is one row of the table: the selector offers it and a run of it
// fetches its front page.
TEST_F(FullRunTest, AnEditionAddedToTheTableAloneIsOfferedAndRun) {
    newsdesk::Options options;
    options.StoriesPerSection = 2;
    StartDesk(options);
    sandbox.AddPlayer("player");
    std::vector<NewsEdition> rows = EditionTable::BuiltIn().Editions();
    rows.push_back({"Newsdesk UK", "tuk"});
    const EditionTable editions(rows);
    auto dependencies = sandbox.Dependencies();
    dependencies.Editions = &editions;
    TFormMain form(std::move(dependencies));
    form.show();
    auto* country = form.findChild<QComboBox*>("SunSimpleComboBox");
    ASSERT_EQ(country->count(), 3);
    EXPECT_EQ(country->itemText(2), "Newsdesk UK");
    country->setCurrentIndex(2);
    RunToTheEnd(form);

    EXPECT_EQ(desk->RequestCount("/news?ned=tuk"), 1);
    const auto expected = testing::ExpectedRun(*desk, "tuk", scratch.Path());
    EXPECT_EQ(ReadNewsFolder(sandbox.NewsFolder()).StoryNotes, expected.Notes.StoryNotes);
}

TEST_F(FullRunTest, ANoteThatCannotLandOnThePlayerEndsTheRunWithoutTheSuccessText) {
    newsdesk::Options options;
    options.StoriesPerSection = 1;
    StartDesk(options);
    const std::string playerIndex = sandbox.AddPlayer("player") + "/Notes/news/index";
    testing::WriteFile(playerIndex, "the user's own\r\n");
    std::filesystem::permissions(playerIndex, std::filesystem::perms::owner_read);
    TFormMain form(sandbox.Dependencies());
    form.show();
    RunToTheEnd(form);

    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "iPod copy incomplete");
    EXPECT_EQ(testing::ReadFile(playerIndex), "the user's own\r\n");
    EXPECT_GT(ReadNewsFolder(sandbox.NewsFolder()).FileCount, 1u) << "the local notes stay";
    EXPECT_NE(testing::ReadFile(sandbox.WorkDir() + "/Rovad.txt")
                  .find("=CopyNotesToDevice:index: the file there is read-only\r\n"),
              std::string::npos);
}

TEST_F(FullRunTest, FailingRedirectedAndStalledPagesDoNotHoldTheRunWithoutAPlayer) {
    newsdesk::Options options;
    options.StoriesPerSection = 2;
    options.FailStories = {1, 6};
    options.RedirectStories = {2};
    options.StallStories = {3};
    options.StallMs = 60000;
    StartDesk(options);
    auto dependencies = sandbox.Dependencies();
    dependencies.Limits = FetchLimits{2, 1, 8u * 1024u * 1024u, 10};
    TFormMain form(std::move(dependencies));
    form.show();
    form.findChild<QComboBox*>("SunSimpleComboBox")->setCurrentIndex(1);
    MessageBoxes::setAnswerEveryBox(true);
    RunToTheEnd(form);

    EXPECT_EQ(desk->RequestCount("/news?ned=tuk"), 1);
    EXPECT_EQ(MessageBoxes::shownTexts(), QStringList{"iPod Not Connected!"});
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "Get News Stoped");
    const auto written = ReadNewsFolder(sandbox.NewsFolder());
    const auto& stories = desk->Stories("tuk");

    EXPECT_EQ(written.StoryNotes.count(stories[0].Url), 0u);
    EXPECT_EQ(written.StoryNotes.count(stories[5].Url), 0u);
    EXPECT_EQ(written.StoryNotes.count(stories[1].Url), 1u)
        << "the redirect is followed by the fallback";
    EXPECT_EQ(written.StoryNotes.count(stories[2].Url), 0u)
        << "a stall fails both attempts in time";
    EXPECT_EQ(written.StoryNotes.count(stories[3].Url), 1u);
}

TEST_F(FullRunTest, AFeedEditionTakesItsStoriesFromItsFeedsAndChainsTheIndex) {
    newsdesk::Options options;
    options.StoriesPerSection = 14;
    StartDesk(options);
    const std::vector<std::string> served = {"TO", "LO", "BU", "SC", "EN"};
    std::string edition = "[United States]\r\nItems=12\r\n";
    for (const std::string& code : served) {
        edition += code + "=" + desk->FeedUrl("tus", code) + "\r\n";
    }
    edition += "WO=" + desk->BaseUrl() +
               "/feeds/tus/missing.xml\r\nSP=" + desk->FrontPageUrl("tus") +
               "\r\nHE=ftp://127.0.0.1/HE.xml\r\n";
    testing::WriteFile(sandbox.WorkDir() + "/Editions.ini", edition);
    const std::string player = sandbox.AddPlayer("player");
    TFormMain form(sandbox.Dependencies());
    form.show();
    RunToTheEnd(form);

    for (const std::string& code : served) {
        EXPECT_EQ(desk->RequestCount("/feeds/tus/" + code + ".xml"), 1) << code;
    }
    for (const auto& story : desk->Stories("tus")) {
        const bool taken = story.IndexInSection < 12 &&
                           std::count(served.begin(), served.end(), story.CategoryCode) == 1;
        EXPECT_EQ(desk->RequestCount(story.FeedPath), taken ? 1 : 0) << story.FeedPath;
        EXPECT_EQ(desk->RequestCount(story.ArticlePath), 0) << story.ArticlePath;
    }
    const auto log = testing::ReadLogValues(sandbox.WorkDir() + "/Rovad.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), "FrontPage:WO: HTTP/1.1 404"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "FrontPage:SP: neither an RSS nor an Atom feed"),
              1);
    EXPECT_FALSE(std::filesystem::exists(sandbox.WorkDir() + "/google.html"));
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "Get News Stoped");

    const auto expected = testing::ExpectedFeedRun(*desk, "tus", served, 12, scratch.Path());
    const auto written = ReadNewsFolder(sandbox.NewsFolder());
    EXPECT_EQ(written.StoryNotes, expected.Notes.StoryNotes);
    EXPECT_EQ(written.IndexLines, expected.Notes.IndexLines);
    EXPECT_GT(written.StoryNotes.size(), 50u);
    const testing::IndexWalk walk = testing::WalkIndex(sandbox.NewsFolder());
    EXPECT_GE(walk.Pages.size(), 2u);
    for (const std::string& page : walk.Pages) {
        EXPECT_LE(page.size(), 4000u);
    }
    EXPECT_EQ(walk.Stories.size(), written.StoryNotes.size());
    for (const std::string& target : walk.Stories) {
        EXPECT_TRUE(std::filesystem::exists(sandbox.NewsFolder() + target)) << target;
    }
    EXPECT_EQ(ReadNewsFolder(player + "/Notes/news").FileCount, written.FileCount);
}

} // namespace
} // namespace lumbrant

#include "retrieval/RunControl.h"
#include "support/FakeMainView.h"
#include "support/FakePorts.h"
#include "support/FolderLog.h"

#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace lumbrant {
namespace {

using testing::ArticleJob;
using testing::FakeJobs;
using testing::FakeTransfer;
using testing::FolderLog;

class RunControlTest : public ::testing::Test {
protected:
    RunControlTest() { view.CountryText = "United States"; }

    void AddStories(int count) {
        for (int i = 0; i < count; ++i) {
            lists[static_cast<std::size_t>(i % 8)].insert(
                lists[static_cast<std::size_t>(i % 8)].end(),
                {"unreaded", "http://s.example/" + std::to_string(i), "t", "s"});
        }
    }

    // The front page arrives: its job counts as finished from its delivery on.
    void FrontPageArrives(int stories) {
        run.FrontPageDelivered();
        AddStories(stories);
        run.StartArticlePhase();
    }

    // One article page is handled: its slot goes on with the next story.
    void ArticleArrives() {
        const ArticleJob job = jobs.InFlight.front();
        jobs.InFlight.pop_front();
        Handled.push_back(job.Url);
        run.ArticleHandled(job.Slot);
    }

    void DrainArticles() {
        while (!jobs.InFlight.empty()) {
            ArticleArrives();
        }
    }

    RunState state;
    SectionStoryLists lists;
    std::string newsService;
    testing::TempFolder folder{"lumbrant-run-control"};
    FolderLog log{folder.Path().string()};
    FakeMainView view;
    FakeJobs jobs;
    FakeTransfer transfer;
    StoryQueue queue{lists};
    std::string workDir = folder.Path().string();
    RunControl run{state,    workDir, newsService, EditionTable::BuiltIn(), view, jobs,
                   transfer, queue,   log.Log};
    std::vector<std::string> Handled;
};

TEST_F(RunControlTest, AStartFetchesTheChosenEditionAndEmptiesTheLocalFolder) {
    newsService = "http://127.0.0.1:8123";
    view.CountryText = "United Kingdom";
    run.ButtonCopyClick();
    EXPECT_TRUE(state.Running);
    EXPECT_EQ(view.ButtonCaptions, std::vector<std::string>{"Stop"});
    EXPECT_EQ(jobs.FrontPageUrls, std::vector<std::string>{"http://127.0.0.1:8123/news?ned=tuk"});
    EXPECT_EQ(transfer.Calls, std::vector<std::string>{"delete local"});
    EXPECT_TRUE(view.StatusTexts.empty());
    const NewsEdition& unitedStates = *EditionTable::BuiltIn().Find("United States");
    EXPECT_EQ(run.FrontPageAddress(unitedStates), "http://127.0.0.1:8123/news?ned=tus");
    newsService.clear();
    EXPECT_EQ(run.FrontPageAddress(unitedStates), "http://news.google.com/news?ned=tus");
}

TEST_F(RunControlTest, AnEntryThatIsNoEditionIsLoggedAndFetchesNothing) {
    view.CountryText = "Atlantis";
    run.ButtonCopyClick();
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(jobs.FrontPageUrls.empty()) << "never another edition instead";
    EXPECT_TRUE(transfer.Calls.empty());
    EXPECT_EQ(log.Entries(),
              std::vector<std::string>{"ButtonCopyClick:no edition is called \"Atlantis\""});
}

TEST_F(RunControlTest, AnEntryWithAFeedEditionFetchesItsFeedsInsteadOfTheFrontPage) {
    testing::WriteFile(folder / "Editions.ini", "[United Kingdom]\r\nItems=3\r\n"
                                                "WO=http://feeds.example/world\r\n"
                                                "TO=https://feeds.example/top\r\n");
    view.CountryText = "United Kingdom";
    run.ButtonCopyClick();
    ASSERT_EQ(jobs.FeedJobs.size(), 1u);
    ASSERT_EQ(jobs.FeedJobs[0].size(), 2u);
    EXPECT_EQ(jobs.FeedJobs[0][0].SectionCode + " " + jobs.FeedJobs[0][0].Url,
              "TO https://feeds.example/top");
    EXPECT_EQ(jobs.FeedJobs[0][1].SectionCode + " " + jobs.FeedJobs[0][1].Url,
              "WO http://feeds.example/world");
    EXPECT_EQ(state.FeedItems, 3u);
    EXPECT_TRUE(jobs.FrontPageUrls.empty());
    EXPECT_EQ(transfer.Calls, std::vector<std::string>{"delete local"});

    FrontPageArrives(0);
    view.CountryText = "United States";
    run.ButtonCopyClick();
    EXPECT_EQ(jobs.FrontPageUrls, std::vector<std::string>{"http://news.google.com/news?ned=tus"})
        << "an entry without a section of its own runs on the classic front page";
    EXPECT_EQ(jobs.FeedJobs.size(), 1u);
}

TEST_F(RunControlTest, TheProgressCountsTheRunsStoriesHandledAndIsClearedAtItsEnd) {
    run.ButtonCopyClick();
    FrontPageArrives(5);
    DrainArticles();
    EXPECT_EQ(view.Progress, (std::vector<std::pair<int, int>>{
                                 {0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {0, 0}}));
}

TEST_F(RunControlTest, AFrontPageWithoutStoriesEndsTheRunAtOnce) {
    run.ButtonCopyClick();
    FrontPageArrives(0);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(state.FinishedSlots, 0); // the reports of slots 2 to 4 are not counted
    EXPECT_EQ(view.ButtonCaptions.back(), "Get News");
    EXPECT_EQ(transfer.Calls, (std::vector<std::string>{"delete local", "copy"}));
    EXPECT_EQ(view.StatusTexts, std::vector<std::string>{"Get News Stoped"});
}

TEST_F(RunControlTest, OneStoryEndsTheRunOnlyAfterItsPageWasHandled) {
    run.ButtonCopyClick();
    FrontPageArrives(1);
    EXPECT_TRUE(state.Running);
    ASSERT_EQ(jobs.InFlight.size(), 1u);
    EXPECT_EQ(jobs.InFlight.front().Slot, 1);
    EXPECT_EQ(state.FinishedSlots, 3);
    ArticleArrives();
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(transfer.Calls.back(), "copy");
}

TEST_F(RunControlTest, EveryStoryIsFetchedOnceWithAtMostFourAtATime) {
    run.ButtonCopyClick();
    FrontPageArrives(23);
    DrainArticles();
    EXPECT_EQ(Handled.size(), 23u);
    EXPECT_EQ(jobs.MaxInFlight, 4u);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(std::count(transfer.Calls.begin(), transfer.Calls.end(), "copy"), 1);
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
}

TEST_F(RunControlTest, ARunWhoseNotesDidNotAllLandEndsWithoutTheSuccessText) {
    transfer.CopiesLand = false;
    run.ButtonCopyClick();
    FrontPageArrives(3);
    DrainArticles();
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(view.ButtonCaptions.back(), "Get News");
    EXPECT_EQ(view.StatusTexts, std::vector<std::string>{"iPod copy incomplete"});
}

TEST_F(RunControlTest, StopDuringTheFrontPageFirstMarksTheJobThenStopsTheRun) {
    run.ButtonCopyClick();
    run.ButtonCopyClick();
    EXPECT_TRUE(jobs.FrontPage->Flag);
    EXPECT_FALSE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Ready to Get News");
    run.ButtonCopyClick();
    EXPECT_TRUE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Stoping Getting now, Please Wait...");

    AddStories(10);
    run.StartArticlePhase();
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(jobs.InFlight.empty());
    std::string url, code, id;
    queue.TakeNextStory(url, code, id);
    EXPECT_EQ(code, "LO") << "each slot took one story (TO 1, TO 5, WO 1, WO 5) and dropped it";
    EXPECT_EQ(id, "1");
}

TEST_F(RunControlTest, AFeedEditionsFirstStopGivesUpItsFeedsAndStopsTheRun) {
    testing::WriteFile(folder / "Editions.ini",
                       "[United States]\r\nTO=http://feeds.example/top\r\n");
    run.ButtonCopyClick();
    run.ButtonCopyClick();
    EXPECT_TRUE(jobs.FrontPage->Flag) << "the feeds on their way are given up";
    EXPECT_TRUE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Stoping Getting now, Please Wait...");

    FrontPageArrives(10);
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(jobs.InFlight.empty());
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
}

TEST_F(RunControlTest, OneStopPressDuringTheFrontPageOnlyChangesTheStatus) {
    run.ButtonCopyClick();
    run.ButtonCopyClick();
    FrontPageArrives(6);
    DrainArticles();
    EXPECT_EQ(Handled.size(), 6u);
}

TEST_F(RunControlTest, StopDuringArticlesFinishesJobsInFlightAndDropsOneStoryPerSlot) {
    run.ButtonCopyClick();
    FrontPageArrives(20);
    ArticleArrives();
    run.ButtonCopyClick();
    EXPECT_TRUE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Stoping Getting now, Please Wait...");
    DrainArticles();
    EXPECT_EQ(Handled.size(), 5u);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
    int waiting = 0;
    for (const auto& list : lists) {
        for (std::size_t i = 0; i < list.size(); i += 4) {
            waiting += list[i] == "unreaded";
        }
    }
    EXPECT_EQ(waiting, 20 - 5 - 4);

    run.ButtonCopyClick(); // a new run fetches again
    EXPECT_FALSE(state.StopRequested);
    FrontPageArrives(0);
    DrainArticles();
    EXPECT_EQ(Handled.size(), 5u + 11u);
}

TEST_F(RunControlTest, TheCloseButtonAsksOnlyDuringARun) {
    run.RequestClose();
    EXPECT_EQ(view.CloseCount, 1);
    EXPECT_TRUE(view.Questions.empty());

    run.ButtonCopyClick();
    FrontPageArrives(8);
    view.Answers = {BoxAnswer::None, BoxAnswer::No};
    run.RequestClose();
    EXPECT_FALSE(state.StopRequested);
    run.RequestClose();
    EXPECT_TRUE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Stoping Getting now, Please Wait...");
    EXPECT_EQ(view.CloseCount, 1);
    EXPECT_EQ(view.Questions.back(), "Force terminat(Yes) or moderate stop(No)?");

    view.Answers = {BoxAnswer::Yes};
    run.RequestClose();
    EXPECT_EQ(transfer.Calls.back(), "copy");
    EXPECT_EQ(view.CloseCount, 2);
}

TEST_F(RunControlTest, NoToTheCloseQuestionAfterTheRunEndedKeepsItsFinalStatus) {
    run.ButtonCopyClick();
    FrontPageArrives(3);
    view.WhileAsking = [this] { DrainArticles(); };
    view.Answers = {BoxAnswer::No};
    run.RequestClose();
    EXPECT_FALSE(state.Running);
    EXPECT_FALSE(state.StopRequested);
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
    EXPECT_EQ(view.CloseCount, 0);
}

TEST_F(RunControlTest, AFeedEditionWithoutAUsableKeyLogsEachAndKeepsTheNotes) {
    testing::WriteFile(folder / "Editions.ini", "[United States]\r\nItems=3\r\n"
                                                "T0=http://feeds.example/top\r\n"
                                                "WO=file:///etc/passwd\r\n"
                                                "WO=http://feeds.example/world\r\n");
    run.ButtonCopyClick();
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(jobs.FeedJobs.empty());
    EXPECT_TRUE(jobs.FrontPageUrls.empty()) << "never the classic edition instead";
    EXPECT_TRUE(transfer.Calls.empty());
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{
                  "FrontPage:T0: not a section code", "FrontPage:WO: not an http or https address",
                  "FrontPage:WO: the section's feed is given above",
                  "ButtonCopyClick:the edition of United States names no feed to read"}));
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
}

TEST_F(RunControlTest, AnUnstartableFrontPageJobReturnsToIdleAndKeepsTheNotes) {
    jobs.FailFrontPage = true;
    run.ButtonCopyClick();
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(view.ButtonCaptions, (std::vector<std::string>{"Stop", "Get News"}));
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
    EXPECT_TRUE(transfer.Calls.empty());
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"ButtonCopyClick:no thread"});
}

TEST_F(RunControlTest, ASlotWhoseJobCannotStartIsLoggedAndTheOthersFinishTheRun) {
    jobs.FailingSlots = {1};
    run.ButtonCopyClick();
    FrontPageArrives(6);
    EXPECT_TRUE(state.Running) << "slots 2 to 4 are still at work";
    DrainArticles();
    EXPECT_EQ(Handled.size(), 5u) << "slot 1 dropped the story it could not start";
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(std::count(transfer.Calls.begin(), transfer.Calls.end(), "copy"), 1);
    EXPECT_EQ(view.ButtonCaptions.back(), "Get News");
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"StartArticleSlot:no thread"});

    jobs.FailingSlots = {1, 2, 3, 4};
    run.ButtonCopyClick();
    FrontPageArrives(6);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");
}

} // namespace
} // namespace lumbrant

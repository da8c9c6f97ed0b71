#include "HttpGet.h"
#include "newsdesk/NewsDesk.h"
#include "support/Polling.h"

#include <future>
#include <gtest/gtest.h>
#include <vector>

using namespace newsdesk_test;
using lumbrant::e2e::WaitUntil;

namespace {

// Guards against a hang only; the waits below normally end at once.
constexpr auto kHangGuard = std::chrono::seconds(60);

const newsdesk::Story& StoryNumber(const newsdesk::NewsDesk& desk, int number) {
    return desk.Stories("tus").at(static_cast<std::size_t>(number - 1));
}

TEST(NewsDeskServer, AnythingButTheTwoEditionsAndTheStoryPagesIsNotFound) {
    newsdesk::NewsDesk desk(newsdesk::Options{});
    ASSERT_TRUE(desk.Start());
    for (const std::string target :
         {"/", "/news", "/news?ned=", "/news?ned=tuz", "/news?ned=tus&topic=w", "/news?ned=TUS",
          "/article/tus/TO/4.html", "/article/tus/XX/1.html", "/article/tus/TO/1.htm",
          "/favicon.ico"}) {
        const Reply reply = HttpGet(desk.BaseUrl(), target);
        EXPECT_EQ(reply.Status, 404) << target;
    }
    EXPECT_EQ(HttpGet(desk.BaseUrl(), "/news?ned=tuk").Status, 200);
    EXPECT_EQ(HttpGet(desk.BaseUrl(), StoryNumber(desk, 3).MovedPath).Status, 200);
}

TEST(NewsDeskServer, FailingStoriesAnswerNotFoundAndTheOthersStillServe) {
    newsdesk::Options options;
    options.FailStories = {2, 5};
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    for (const std::string edition : {"tus", "tuk"}) {
        for (const auto& story : desk.Stories(edition)) {
            const bool fails = story.Number == 2 || story.Number == 5;
            EXPECT_EQ(HttpGet(desk.BaseUrl(), story.ArticlePath).Status, fails ? 404 : 200)
                << story.ArticlePath;
        }
    }
}

TEST(NewsDeskServer, ARedirectLeadsToTheSamePageAtAnotherAddress) {
    newsdesk::Options options;
    options.RedirectStories = {3};
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    const newsdesk::Story& story = StoryNumber(desk, 3);

    const Reply first = HttpGet(desk.BaseUrl(), story.ArticlePath);
    EXPECT_EQ(first.Status, 302);
    EXPECT_EQ(first.Location, desk.BaseUrl() + story.MovedPath);
    const Reply moved = HttpGet(desk.BaseUrl(), story.MovedPath);
    EXPECT_EQ(moved.Status, 200);
    EXPECT_EQ(moved.Body, desk.ArticlePage(story));
    EXPECT_EQ(HttpGet(desk.BaseUrl(), StoryNumber(desk, 4).ArticlePath).Status, 200);

    EXPECT_EQ(desk.RequestCount(story.ArticlePath), 1);
    EXPECT_EQ(desk.RequestCount(story.MovedPath), 1);
    EXPECT_EQ(desk.TotalRequests(), 3);
}

TEST(NewsDeskServer, CountsEveryRequestByItsTargetUntilReset) {
    newsdesk::NewsDesk desk(newsdesk::Options{});
    ASSERT_TRUE(desk.Start());
    const std::string article = StoryNumber(desk, 1).ArticlePath;
    HttpGet(desk.BaseUrl(), "/news?ned=tus");
    HttpGet(desk.BaseUrl(), article);
    HttpGet(desk.BaseUrl(), article);
    HttpGet(desk.BaseUrl(), "/missing");

    EXPECT_EQ(desk.RequestCount("/news?ned=tus"), 1);
    EXPECT_EQ(desk.RequestCount("/news?ned=tuk"), 0);
    EXPECT_EQ(desk.RequestCount(article), 2);
    EXPECT_EQ(desk.RequestCount("/missing"), 1);
    EXPECT_EQ(desk.TotalRequests(), 4);
    EXPECT_EQ(desk.InFlight(), 0);
    EXPECT_EQ(desk.MaxInFlight(), 1);

    desk.ResetCounters();
    EXPECT_EQ(desk.TotalRequests(), 0);
    EXPECT_EQ(desk.RequestCount(article), 0);
    EXPECT_EQ(desk.MaxInFlight(), 0);
}

TEST(NewsDeskServer, StalledRequestsAreInFlightTogetherAndStopReleasesThemAll) {
    newsdesk::Options options;
    options.StoriesPerSection = 2;
    options.StallStories = {1, 2, 3, 4, 5, 6, 7, 8};
    options.StallMs = 3600 * 1000;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());

    std::vector<std::future<Reply>> stalled;
    for (int number = 1; number <= 8; ++number) {
        stalled.push_back(std::async(std::launch::async, HttpGet, desk.BaseUrl(),
                                     StoryNumber(desk, number).ArticlePath));
    }
    ASSERT_TRUE(WaitUntil([&] { return desk.InFlight() == 8; }, kHangGuard));
    // The server still has room for more while eight requests hang.
    EXPECT_EQ(HttpGet(desk.BaseUrl(), "/news?ned=tus").Status, 200);
    EXPECT_EQ(desk.MaxInFlight(), 9);

    desk.Stop();
    for (auto& request : stalled) {
        ASSERT_EQ(request.wait_for(kHangGuard), std::future_status::ready);
        const Reply reply = request.get();
        EXPECT_TRUE(!reply.Arrived || reply.Status == 503);
    }
    EXPECT_EQ(desk.InFlight(), 0);
    EXPECT_EQ(desk.TotalRequests(), 9);
}

TEST(NewsDeskServer, AStallThatRunsOutServesThePageAfterAll) {
    newsdesk::Options options;
    options.StallStories = {1};
    options.StallMs = 20;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    const Reply reply = HttpGet(desk.BaseUrl(), StoryNumber(desk, 1).ArticlePath);
    EXPECT_EQ(reply.Status, 200);
    EXPECT_EQ(reply.Body, desk.ArticlePage(StoryNumber(desk, 1)));
}

TEST(NewsDeskServer, StopAlsoCutsAnAnswerThatIsStillInItsLatency) {
    newsdesk::Options options;
    options.LatencyMs = 3600 * 1000;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    auto request = std::async(std::launch::async, HttpGet, desk.BaseUrl(), "/news?ned=tus");
    ASSERT_TRUE(WaitUntil([&] { return desk.InFlight() == 1; }, kHangGuard));
    desk.Stop();
    ASSERT_EQ(request.wait_for(kHangGuard), std::future_status::ready);
    const Reply reply = request.get();
    EXPECT_TRUE(!reply.Arrived || reply.Status == 503);
}

TEST(NewsDeskServer, StartsOnlyOnceAndOnlyOnLoopback) {
    struct Row {
        const char* Host;
        bool Starts;
        const char* BaseUrlStart;
    };
    const Row rows[] = {
        {"127.0.0.1", true, "http://127.0.0.1:"},
        {"localhost", true, "http://127.0.0.1:"},
        {"0.0.0.0", false, ""},
        {"192.168.1.10", false, ""},
        {"::1", false, ""},
        {"example.com", false, ""},
        {"", false, ""},
    };
    for (const Row& row : rows) {
        newsdesk::Options options;
        options.Host = row.Host;
        newsdesk::NewsDesk desk(options);
        EXPECT_EQ(desk.Start(), row.Starts) << row.Host;
        if (row.Starts) {
            EXPECT_GT(desk.Port(), 0);
            EXPECT_EQ(desk.BaseUrl().rfind(row.BaseUrlStart, 0), 0u) << desk.BaseUrl();
            EXPECT_EQ(desk.Stories("tus").front().Url.rfind(desk.BaseUrl() + "/article/", 0), 0u);
            EXPECT_FALSE(desk.Start());
        }
        desk.Stop();
        desk.Stop();
    }
}

TEST(NewsDeskServer, AFixedPortThatIsTakenIsReportedAsAFailedStart) {
    newsdesk::NewsDesk first(newsdesk::Options{});
    ASSERT_TRUE(first.Start());
    newsdesk::Options options;
    options.Port = first.Port();
    newsdesk::NewsDesk second(options);
    EXPECT_FALSE(second.Start());
    first.Stop();

    newsdesk::NewsDesk third(options);
    EXPECT_TRUE(third.Start());
    EXPECT_EQ(third.Port(), options.Port);
}

} // namespace

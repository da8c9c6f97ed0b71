#include "core/Paths.h"
#include "retrieval/NewsThread.h"
#include "support/RecordingPort.h"
#include "support/TempFolder.h"
#include "text/FileIo.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <gtest/gtest.h>
#include <httplib.h>
#include <mutex>
#include <thread>

namespace lumbrant {
namespace {

using namespace std::chrono_literals;

using testing::RecordingPort;

class NewsThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.Get("/ok", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("a\0b\r\nc", 6), "text/html");
        });
        server.Get("/empty", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("", "text/html");
        });
        server.Get("/moved", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/target");
        });
        server.Get("/target", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("one\ntwo\rthree", "text/html");
        });
        server.Get("/set-cookie", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "visit=42; Path=/");
            res.set_content("set", "text/html");
        });
        server.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Cookie") + "|" + req.get_header_value("Accept") +
                                "|" + req.get_header_value("User-Agent"),
                            "text/plain");
        });
        server.Get("/stall", [this](const httplib::Request&, httplib::Response& res) {
            std::unique_lock lock(stallMutex);
            stallEnded.wait_for(lock, 20s, [&] { return stopping; });
            res.set_content("late", "text/html");
        });
        // Fast enough never to count as stalled, slow enough never to reach the size cap.
        server.Get("/drip", [this](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider(
                "text/html", [this](std::size_t, httplib::DataSink& sink) {
                    std::unique_lock lock(stallMutex);
                    stallEnded.wait_for(lock, 200ms, [&] { return stopping; });
                    return !stopping && sink.write("<p>", 3);
                });
        });
        // A feed that takes its time, counting how many are fetched at once.
        server.Get(R"(/feed/(\w+))", [this](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(stallMutex);
                mostFeedsAtOnce = std::max(mostFeedsAtOnce, ++feedsAtOnce);
            }
            std::this_thread::sleep_for(200ms);
            {
                std::lock_guard lock(stallMutex);
                --feedsAtOnce;
            }
            res.set_content("<rss>" + req.matches[1].str() + "</rss>",
                            "application/rss+xml; charset=windows-1251");
        });
        server.Get("/record", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(stallMutex);
            authorizations.push_back(req.get_header_value("Authorization"));
            res.set_content("recorded", "text/html");
        });
        server.Get("/to-credentials", [this](const httplib::Request&, httplib::Response& res) {
            res.set_redirect(Url("/record", "admin:admin@"));
        });
        port = server.bind_to_any_port("127.0.0.1");
        serverThread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) {
            std::this_thread::sleep_for(1ms);
        }
    }

    void TearDown() override {
        {
            std::lock_guard lock(stallMutex);
            stopping = true;
        }
        stallEnded.notify_all();
        server.stop();
        serverThread.join();
    }

    std::string Url(const std::string& path, const std::string& userInfo = "") const {
        return "http://" + userInfo + "127.0.0.1:" + std::to_string(port) + path;
    }

    std::shared_ptr<TNewsThread> Article(const std::string& url, std::shared_ptr<HttpClient> client,
                                         int slot = 3) {
        auto job = std::make_shared<TNewsThread>(messages, limits);
        job->JobMode = kArticleJob;
        job->JobSlot = slot;
        job->JobCategoryCode = "WO";
        job->JobStoryId = "13";
        job->JobUrl = url;
        job->JobHttp = std::move(client);
        job->JobWorkDir = workDir.string();
        return job;
    }

    FetchLimits limits{2, 2, 1024 * 1024, 3};
    std::shared_ptr<RecordingPort> messages = std::make_shared<RecordingPort>();
    httplib::Server server;
    std::thread serverThread;
    int port = 0;
    testing::TempFolder folder{"lumbrant-job"};
    const std::filesystem::path workDir = folder.Path();
    std::mutex stallMutex;
    std::condition_variable stallEnded;
    bool stopping = false;
    std::vector<std::string> authorizations;
    int feedsAtOnce = 0;
    int mostFeedsAtOnce = 0;
};

TEST_F(NewsThreadTest, ABodyArrivesByteExactAndAnEmptyBodyIsASuccess) {
    auto client = std::make_shared<HttpClient>(limits);
    auto job = Article(Url("/ok"), client);
    job->Start();
    const JobResult first = messages->WaitFor(1);
    EXPECT_EQ(first.Slot, 3);
    EXPECT_FALSE(first.Failed);
    EXPECT_EQ(first.Page, std::string("a\0b\r\nc", 6));
    EXPECT_EQ(first.CategoryCode, "WO");
    EXPECT_EQ(first.StoryId, "13");

    auto empty = std::make_shared<TNewsThread>(messages, limits);
    empty->JobMode = kFrontPageJob;
    empty->JobUrl = Url("/empty");
    empty->JobHttp = client;
    empty->JobWorkDir = workDir.string();
    empty->Start();
    const JobResult second = messages->WaitFor(2);
    EXPECT_EQ(second.Slot, kFrontPageSlot);
    EXPECT_FALSE(second.Failed);
    EXPECT_TRUE(second.Page.empty());
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(empty->Terminated());
}

TEST_F(NewsThreadTest, ARedirectIsFetchedByTheFallbackWithCrLfLinesAndNoFileLeft) {
    auto job = Article(Url("/moved"), std::make_shared<HttpClient>(limits), 2);
    EXPECT_EQ(job->TemporaryFilePath(), (workDir / "WO13.ini").string());
    job->Start();
    const JobResult message = messages->WaitFor(1);
    EXPECT_EQ(message.Slot, 2);
    EXPECT_FALSE(message.Failed);
    EXPECT_EQ(message.Page, "one\r\ntwo\r\nthree\r\n");
    for (int i = 0; i < 100 && std::filesystem::exists(workDir / "WO13.ini"); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(std::filesystem::exists(workDir / "WO13.ini"));
}

TEST_F(NewsThreadTest, FailuresOfBothAttemptsSendFetchFailedOnce) {
    const std::vector<std::string> urls = {Url("/missing"),     "file:///etc/passwd",
                                           "ftp://127.0.0.1/x", "http://127.0.0.1:1/refused",
                                           Url("/stall"),       Url("/drip")};
    for (std::size_t i = 0; i < urls.size(); ++i) {
        Article(urls[i], std::make_shared<HttpClient>(limits), 1)->Start();
        const JobResult message = messages->WaitFor(i + 1);
        EXPECT_TRUE(message.Failed) << urls[i];
        EXPECT_EQ(message.Slot, 1);
        EXPECT_TRUE(message.Page.empty()) << urls[i];
        EXPECT_FALSE(std::filesystem::exists(workDir / "WO13.ini")) << urls[i];
    }
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(messages->Count(), urls.size());
}

TEST_F(NewsThreadTest, ThePageCapIsEightMebibytes) {
    constexpr std::size_t cap = 8u * 1024u * 1024u;
    server.Get("/at-cap", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(cap, 'x'), "text/html");
    });
    server.Get("/over-cap", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(cap + 1, 'x'), "text/html");
    });
    limits = FetchLimits{};
    Article(Url("/at-cap"), std::make_shared<HttpClient>(limits))->Start();
    EXPECT_EQ(messages->WaitFor(1).Page.size(), cap);
    Article(Url("/over-cap"), std::make_shared<HttpClient>(limits))->Start();
    EXPECT_TRUE(messages->WaitFor(2).Failed);
}

// The fallback follows redirects itself: none may lead to a user and password.
TEST_F(NewsThreadTest, NoRedirectTakesCredentialsOutOfTheProgram) {
    Article(Url("/to-credentials"), std::make_shared<HttpClient>(limits))->Start();
    EXPECT_TRUE(messages->WaitFor(1).Failed);
    std::lock_guard lock(stallMutex);
    EXPECT_EQ(authorizations, std::vector<std::string>{}) << "a link with a user name was fetched";
}

// A feed edition's feeds: fetched four at a time, each with its address and
// charset, handed over in section order; a stop gives up every one still on
// its way at once, where the server would keep them waiting.
TEST_F(NewsThreadTest, FeedsComeFourAtATimeAndAStopGivesUpThoseOnTheirWay) {
    const auto feedJob = [&](const std::vector<std::string>& paths) {
        auto job = std::make_shared<TNewsThread>(messages, limits);
        job->JobMode = kFeedsJob;
        for (std::size_t k = 0; k < paths.size(); ++k) {
            job->JobFeeds.push_back({"S" + std::to_string(k), Url(paths[k])});
        }
        for (auto& client : job->JobFeedClients) {
            client = std::make_shared<HttpClient>(limits);
        }
        job->JobWorkDir = workDir.string();
        return job;
    };
    std::vector<std::string> paths;
    for (int k = 0; k < 8; ++k) {
        paths.push_back("/feed/f" + std::to_string(k));
    }
    feedJob(paths)->Start();
    const JobResult fetched = messages->WaitFor(1);
    ASSERT_TRUE(fetched.Feeds);
    ASSERT_EQ(fetched.Feeds->size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        const FeedPage& feed = (*fetched.Feeds)[k];
        EXPECT_EQ(feed.SectionCode, "S" + std::to_string(k));
        EXPECT_EQ(feed.Page, "<rss>f" + std::to_string(k) + "</rss>");
        EXPECT_EQ(feed.Url, Url(paths[k]));
        EXPECT_EQ(feed.Charset, "windows-1251");
    }
    EXPECT_EQ(mostFeedsAtOnce, 4);

    const auto stalled = feedJob({"/stall", "/stall", "/stall", "/stall", "/stall"});
    const auto pressed = std::chrono::steady_clock::now();
    stalled->Start();
    std::this_thread::sleep_for(300ms);
    stalled->Terminate();
    const JobResult stopped = messages->WaitFor(2);
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 10s) << "the server held them for 20 s";
    ASSERT_TRUE(stopped.Feeds);
    for (const FeedPage& feed : *stopped.Feeds) {
        EXPECT_TRUE(feed.Failed);
        EXPECT_EQ(feed.Reason, "the run was stopped before it arrived");
    }
    EXPECT_TRUE(std::filesystem::is_empty(workDir)) << "a fallback's file was left";
}

TEST_F(NewsThreadTest, EachClientKeepsItsOwnCookiesAndSendsTheFixedHeaders) {
    HttpClient first(limits);
    HttpClient second(limits);
    first.Get(Url("/set-cookie"));
    EXPECT_EQ(first.Get(Url("/echo")),
              "visit=42|text/html, text/xml,*/*,*|Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(second.Get(Url("/echo")).substr(0, 1), "|");
    EXPECT_THROW(first.Get(Url("/moved")), std::runtime_error);
}

} // namespace
} // namespace lumbrant

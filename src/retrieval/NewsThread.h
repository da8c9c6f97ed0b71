#pragma once

// A fetch job: downloads one page (or, for a feed edition's front page, its
// feeds four at a time) on a thread of its own and hands it to the UI
// thread with exactly one blocking message, whatever happens.

#include "core/JobPorts.h"
#include "net/FetchLimits.h"
#include "net/HttpClient.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant {

// What a job fetches: its JobMode, numbered as in the program's first design.
inline constexpr unsigned char kFrontPageJob = 0;
inline constexpr unsigned char kArticleJob = 1;
inline constexpr unsigned char kFeedsJob = 2;

class TNewsThread : public JobHandle, public std::enable_shared_from_this<TNewsThread> {
public:
    TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits = {});

    int JobSlot = 0;
    std::string JobCategoryCode;
    std::string JobStoryId;
    unsigned char JobMode = kFrontPageJob;
    std::shared_ptr<HttpClient> JobHttp;
    std::string JobUrl;
    // A feed edition's feeds, fetched four at a time, each of the four with
    // the client of an article slot. Terminate gives them up within a second.
    std::vector<FeedSource> JobFeeds;
    std::array<std::shared_ptr<HttpClient>, kSlotCount> JobFeedClients;
    std::string JobWorkDir;

    // Starts the job's thread; call once, after the fields are filled.
    // Throws std::system_error when no thread can be made.
    void Start();

    // The job's body; runs on the job's own thread.
    void Execute();

    bool Terminated() const override { return terminated_.load(); }
    void Terminate() override { terminated_.store(true); }

    // The temporary file of the fallback download (of a front page or an
    // article; each feed has its own, see FeedFilePath).
    std::string TemporaryFilePath() const;

private:
    // How one page is fetched: the client of the first attempt, the file of
    // the second, and what may stop both (nothing: they run to their end).
    struct Attempts {
        HttpClient* Client = nullptr;
        std::string FallbackFile;
        const std::atomic<bool>* Stop = nullptr;
    };

    // The page at url, through the HTTP client and else through the fallback
    // download (which then leaves its file for the caller to remove), and
    // what its head said. Answers why the HTTP client failed when neither
    // brought the page.
    std::optional<std::string> Fetch(const std::string& url, const Attempts& attempts,
                                     std::string& page, PageHead& head, bool& fallbackUsed);
    bool FetchFallback(const std::string& url, const Attempts& attempts, std::string& page,
                       PageHead& head);
    std::vector<FeedPage> FetchFeeds();
    FeedPage FetchFeed(const FeedSource& feed, HttpClient* client);
    std::string FeedFilePath(const std::string& sectionCode) const;

    std::shared_ptr<MessagePort> port_;
    FetchLimits limits_;
    std::atomic<bool> terminated_{false};
};

} // namespace lumbrant

#pragma once

// A fetch job: downloads one page (or, for a feed edition's front page, its
// feeds one after another) on a thread of its own and hands it to the UI
// thread with exactly one blocking message, whatever happens.

#include "core/JobPorts.h"
#include "net/FetchLimits.h"
#include "net/HttpClient.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant {

class TNewsThread : public JobHandle, public std::enable_shared_from_this<TNewsThread> {
public:
    TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits = {});

    int JobSlot = 0;
    std::string JobCategoryCode;
    std::string JobStoryId;
    unsigned char JobMode = 0; // 0: front page; 1: article; 2: a feed edition's feeds
    std::shared_ptr<HttpClient> JobHttp;
    std::string JobUrl;
    std::vector<FeedSource> JobFeeds;
    std::string JobWorkDir;

    // Starts the job's thread; call once, after the fields are filled.
    // Throws std::system_error when no thread can be made.
    void Start();

    // The job's body; runs on the job's own thread.
    void Execute();

    bool Terminated() const override { return terminated_.load(); }
    void Terminate() override { terminated_.store(true); }

    // The temporary file of the fallback download.
    std::string TemporaryFilePath() const;

private:
    // The page at url, through the HTTP client and else through the fallback
    // download (which sets fallbackFile when its file is left for later),
    // and what its head said. Answers why the HTTP client failed when
    // neither brought the page.
    std::optional<std::string> Fetch(const std::string& url, std::string& page, PageHead& head,
                                     bool& fallbackFile);
    bool FetchFallback(const std::string& url, std::string& page, PageHead& head);
    void FetchFeeds(std::vector<FeedPage>& pages, bool& fallbackFile);

    std::shared_ptr<MessagePort> port_;
    FetchLimits limits_;
    std::atomic<bool> terminated_{false};
};

} // namespace lumbrant

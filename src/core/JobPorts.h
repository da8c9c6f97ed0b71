#pragma once

// How the run control starts fetch jobs, and what a finished job hands to
// the UI thread. The real starter runs TNewsThread on its own thread; tests
// use starters that deliver pages when they choose.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant {

// The four article slots run beside the one front-page job.
inline constexpr int kSlotCount = 4;
inline constexpr int kFrontPageSlot = 0;

// The one part of a started job that stays shared: its termination flag.
class JobHandle {
public:
    virtual ~JobHandle() = default;
    virtual bool Terminated() const = 0;
    virtual void Terminate() = 0;
};

// One feed of a feed edition: the section code whose stories it gives, and its address.
struct FeedSource {
    std::string SectionCode;
    std::string Url;
};

// What the fetch of one feed came to: its page, or why there is none.
struct FeedPage {
    std::string SectionCode;
    bool Failed = false;
    std::string Page;
    std::string Reason;
    // The address the page came from at last (after redirects), which its
    // relative links are read against, and the charset its HTTP head named
    // (empty when none).
    std::string Url;
    std::string Charset;
};

class JobStarter {
public:
    virtual ~JobStarter() = default;
    // Each throws std::exception when the job cannot be started.
    virtual std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) = 0;
    // The front-page job of a feed edition: it fetches the feeds four at a
    // time and hands all of them over at once.
    virtual std::shared_ptr<JobHandle> StartFeedJob(const std::vector<FeedSource>& feeds) = 0;
    virtual void StartArticleJob(int slot, const std::string& url, const std::string& categoryCode,
                                 const std::string& storyId) = 0;
};

// What a job hands over, by the window's hand-over port: the front page
// (slot 0) or the page of an article slot 1 to 4 with its story's code and
// id, or that both attempts failed and why.
// The front-page job of a feed edition hands over its feeds instead, in
// section order, each with its own page or failure.
struct JobResult {
    int Slot = kFrontPageSlot;
    bool Failed = false;
    std::string Page;
    std::string CategoryCode;
    std::string StoryId;
    std::optional<std::vector<FeedPage>> Feeds;
    // Why the page did not arrive, when it failed.
    std::string Reason;
    // The charset the page's HTTP head named (empty when none).
    std::string Charset;
};

// The blocking hand-over: returns once the UI thread has handled the result,
// or at once when the window that would handle it is gone.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void SendBlocking(const JobResult& result) = 0;
};

} // namespace lumbrant

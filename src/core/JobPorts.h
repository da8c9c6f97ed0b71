#pragma once

// How the run control starts fetch jobs, and what a finished job hands to
// the UI thread. The real starter runs TNewsThread on its own thread; tests
// use starters that deliver pages when they choose.

#include <memory>
#include <string>

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

class JobStarter {
public:
    virtual ~JobStarter() = default;
    // Both throw std::exception when the job cannot be started.
    virtual std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) = 0;
    virtual void StartArticleJob(int slot, const std::string& url, const std::string& categoryCode,
                                 const std::string& storyId) = 0;
};

// What a job hands over: the front page (slot 0) or the page of an article
// slot 1 to 4 (the window's messages WM_FRONT_PAGE_DONE and WM_ARTICLE_DONE_1
// to 4), or that both attempts failed, and then nothing else.
struct JobResult {
    int Slot = kFrontPageSlot;
    bool Failed = false;
    std::string Page;
    std::string CategoryCode;
    std::string StoryId;
};

// The blocking hand-over: returns once the UI thread has handled the result,
// or at once when the window that would handle it is gone.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void SendBlocking(const JobResult& result) = 0;
};

} // namespace lumbrant

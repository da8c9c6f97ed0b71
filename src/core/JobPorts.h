#pragma once

// How the run control starts fetch jobs, and how a finished job reaches the
// UI thread. The real starter runs TNewsThread on its own thread; tests use a
// starter that delivers pages synchronously.

#include <memory>
#include <string>

namespace lumbrant {

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

// What a job hands over: the message, wParam (0 or FETCH_FAILED) and, when
// the page arrived, its text and the story it belongs to.
struct JobMessage {
    unsigned Message = 0;
    int WParam = 0;
    std::string PageText;
    std::string CategoryCode;
    std::string StoryId;
};

// The blocking hand-over: returns once the UI thread has handled the message,
// or at once when the window that would handle it is gone.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void SendBlocking(const JobMessage& message) = 0;
};

} // namespace lumbrant

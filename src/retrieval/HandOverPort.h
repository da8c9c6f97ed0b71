#pragma once

// The blocking hand-over from a job thread to the UI thread. A message is
// posted to the UI thread and the job waits until it has been handled. Once
// the port is closed (the window is going away), every waiting job is
// released and later messages return at once, so closing never hangs.

#include "core/JobPorts.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>

namespace lumbrant {

class HandOverPort : public MessagePort, public std::enable_shared_from_this<HandOverPort> {
public:
    // post runs a task later on the UI thread (it must not block); deliver
    // handles a message there.
    using Post = std::function<void(std::function<void()>)>;
    using Deliver = std::function<void(const JobResult&)>;

    static std::shared_ptr<HandOverPort> Create(Post post, Deliver deliver);

    void SendBlocking(const JobResult& result) override;

    // Releases every waiting job and refuses later messages. UI thread only.
    void Close();

private:
    struct Pending {
        bool Done = false;
    };

    HandOverPort(Post post, Deliver deliver);
    void Handle(const std::shared_ptr<Pending>& pending, const JobResult& result);
    void Release(const std::shared_ptr<Pending>& pending);

    Post post_;
    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable released_;
    std::set<std::shared_ptr<Pending>> pending_;
    bool closed_ = false;
};

} // namespace lumbrant

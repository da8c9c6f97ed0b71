#pragma once

// A fetch job: downloads one page on a thread of its own and hands it to the
// UI thread with exactly one blocking message, whatever happens.

#include "core/JobPorts.h"
#include "net/FetchLimits.h"
#include "net/HttpClient.h"

#include <atomic>
#include <memory>
#include <string>

namespace lumbrant {

class TNewsThread : public JobHandle, public std::enable_shared_from_this<TNewsThread> {
public:
    TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits = {});

    int JobSlot = 0;
    std::string JobCategoryCode;
    std::string JobStoryId;
    unsigned char JobMode = 0; // 0: front page; 1: article
    std::shared_ptr<HttpClient> JobHttp;
    std::string JobUrl;
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
    bool FetchFallback(std::string& page);

    std::shared_ptr<MessagePort> port_;
    FetchLimits limits_;
    std::atomic<bool> terminated_{false};
};

} // namespace lumbrant

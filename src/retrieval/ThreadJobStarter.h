#pragma once

// Starts real fetch jobs, each on its own thread, with the HTTP client of its
// kind: one for the front page and one per article slot, each keeping its
// cookies and connection for the life of the program.

#include "core/JobPorts.h"
#include "net/FetchLimits.h"
#include "net/HttpClient.h"
#include "retrieval/NewsThread.h"

#include <array>
#include <memory>

namespace lumbrant {

class ThreadJobStarter : public JobStarter {
public:
    // Jobs download their fallback files into workDir, held by reference:
    // it is known once the settings are read.
    ThreadJobStarter(const std::string& workDir, std::shared_ptr<MessagePort> port,
                     FetchLimits limits = {});

    std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) override;
    std::shared_ptr<JobHandle> StartFeedJob(const std::vector<FeedSource>& feeds) override;
    void StartArticleJob(int slot, const std::string& url, const std::string& categoryCode,
                         const std::string& storyId) override;

private:
    std::shared_ptr<TNewsThread> NewJob(unsigned char mode, std::shared_ptr<HttpClient> http) const;

    const std::string& workDir_;
    std::shared_ptr<MessagePort> port_;
    FetchLimits limits_;
    std::shared_ptr<HttpClient> IdHTTP;
    std::array<std::shared_ptr<HttpClient>, kSlotCount> IdHTTPn; // IdHTTP1 to IdHTTP4
};

} // namespace lumbrant

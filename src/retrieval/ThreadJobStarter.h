#pragma once

// Starts real fetch jobs, each on its own thread, with the HTTP client of its
// kind: one for the front page and one per article slot, each keeping its
// cookies and connection for the life of the program.

#include "app/MainState.h"
#include "net/FetchLimits.h"
#include "net/HttpClient.h"
#include "core/JobPorts.h"

#include <array>
#include <memory>

namespace lumbrant {

class ThreadJobStarter : public JobStarter {
public:
    ThreadJobStarter(const MainState& state, std::shared_ptr<MessagePort> port,
                     FetchLimits limits = {});

    std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) override;
    void StartArticleJob(int slot, const std::string& url, const std::string& categoryCode,
                         const std::string& storyId) override;

private:
    const MainState& state_;
    std::shared_ptr<MessagePort> port_;
    FetchLimits limits_;
    std::shared_ptr<HttpClient> IdHTTP;
    std::array<std::shared_ptr<HttpClient>, kSlotCount> IdHTTPn; // IdHTTP1 to IdHTTP4
};

} // namespace lumbrant

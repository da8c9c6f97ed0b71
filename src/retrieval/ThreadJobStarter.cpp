#include "retrieval/ThreadJobStarter.h"

#include "retrieval/NewsThread.h"

#include <stdexcept>

namespace lumbrant {

ThreadJobStarter::ThreadJobStarter(const std::string& workDir, std::shared_ptr<MessagePort> port,
                                   FetchLimits limits)
    : workDir_(workDir), port_(std::move(port)), limits_(limits),
      IdHTTP(std::make_shared<HttpClient>(limits)) {
    for (auto& client : IdHTTPn) {
        client = std::make_shared<HttpClient>(limits);
    }
}

std::shared_ptr<TNewsThread> ThreadJobStarter::NewJob(unsigned char mode,
                                                      std::shared_ptr<HttpClient> http) const {
    auto job = std::make_shared<TNewsThread>(port_, limits_);
    job->JobMode = mode;
    job->JobHttp = std::move(http);
    job->JobWorkDir = workDir_;
    return job;
}

std::shared_ptr<JobHandle> ThreadJobStarter::StartFrontPageJob(const std::string& url) {
    auto job = NewJob(kFrontPageJob, IdHTTP);
    job->JobUrl = url;
    job->Start();
    return job;
}

std::shared_ptr<JobHandle> ThreadJobStarter::StartFeedJob(const std::vector<FeedSource>& feeds) {
    auto job = NewJob(kFeedsJob, IdHTTP);
    job->JobFeeds = feeds;
    job->JobFeedClients = IdHTTPn;
    job->Start();
    return job;
}

void ThreadJobStarter::StartArticleJob(int slot, const std::string& url,
                                       const std::string& categoryCode,
                                       const std::string& storyId) {
    if (slot < 1 || slot > kSlotCount) {
        throw std::out_of_range("article slot " + std::to_string(slot));
    }
    auto job = NewJob(kArticleJob, IdHTTPn[static_cast<std::size_t>(slot - 1)]);
    job->JobSlot = slot;
    job->JobUrl = url;
    job->JobCategoryCode = categoryCode;
    job->JobStoryId = storyId;
    job->Start();
}

} // namespace lumbrant

#include "retrieval/NewsThread.h"

#include "core/Paths.h"
#include "net/UrlDownload.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <cstdio>
#include <exception>
#include <thread>

namespace lumbrant {

TNewsThread::TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits)
    : port_(std::move(port)), limits_(limits) {}

void TNewsThread::Start() {
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

std::string TNewsThread::TemporaryFilePath() const {
    return JoinPath(JobWorkDir, JobMode == 0 ? std::string("tempg.ini")
                                             : JobCategoryCode + JobStoryId + ".ini");
}

bool TNewsThread::FetchFallback(std::string& page) {
    const std::string path = TemporaryFilePath();
    if (!DownloadUrlToFile(JobUrl, path, limits_)) {
        return false;
    }
    const auto content = text::ReadFileBytes(path);
    if (!content) {
        return false;
    }
    page = text::NormalizeLines(*content);
    return true;
}

void TNewsThread::Execute() {
    JobResult result;
    result.Slot = JobMode == 0 ? kFrontPageSlot : JobSlot;
    bool fallback = false;
    try {
        bool arrived = false;
        try {
            if (!JobHttp) {
                throw std::runtime_error("no HTTP client");
            }
            result.Page = JobHttp->Get(JobUrl);
            arrived = true;
        } catch (const std::exception&) {
            fallback = true;
            arrived = FetchFallback(result.Page);
        }
        result.Failed = !arrived;
        if (arrived) {
            result.CategoryCode = JobCategoryCode;
            result.StoryId = JobStoryId;
        } else {
            result.Page.clear();
        }
    } catch (...) {
        result.Failed = true;
        result.Page.clear();
    }
    port_->SendBlocking(result);
    if (fallback && !result.Failed) {
        std::remove(TemporaryFilePath().c_str());
    }
    Terminate();
}

} // namespace lumbrant

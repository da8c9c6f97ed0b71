#include "retrieval/NewsThread.h"

#include "core/Paths.h"
#include "net/UrlDownload.h"
#include "core/Messages.h"
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

unsigned TNewsThread::Message() const {
    return JobMode == 0 ? WM_FRONT_PAGE_DONE : ArticleMessageForSlot(JobSlot);
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
    JobMessage message;
    bool fallback = false;
    try {
        message.Message = Message();
        bool arrived = false;
        try {
            if (!JobHttp) {
                throw std::runtime_error("no HTTP client");
            }
            message.PageText = JobHttp->Get(JobUrl);
            arrived = true;
        } catch (const std::exception&) {
            fallback = true;
            arrived = FetchFallback(message.PageText);
        }
        message.WParam = arrived ? 0 : FETCH_FAILED;
        if (arrived) {
            message.CategoryCode = JobCategoryCode;
            message.StoryId = JobStoryId;
        } else {
            message.PageText.clear();
        }
    } catch (...) {
        message.WParam = FETCH_FAILED;
        message.PageText.clear();
    }
    port_->SendBlocking(message);
    if (fallback && message.WParam == 0) {
        std::remove(TemporaryFilePath().c_str());
    }
    Terminate();
}

} // namespace lumbrant

#include "retrieval/NewsThread.h"

#include "core/Paths.h"
#include "net/UrlDownload.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <thread>

namespace lumbrant {

TNewsThread::TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits)
    : port_(std::move(port)), limits_(limits) {}

void TNewsThread::Start() {
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

std::string TNewsThread::TemporaryFilePath() const {
    return JoinPath(JobWorkDir, JobMode == 1 ? JobCategoryCode + JobStoryId + ".ini"
                                             : std::string("tempg.ini"));
}

bool TNewsThread::FetchFallback(const std::string& url, std::string& page, PageHead& head) {
    const std::string path = TemporaryFilePath();
    if (!DownloadUrlToFile(url, path, limits_, &head)) {
        return false;
    }
    const auto content = text::ReadFileBytes(path);
    if (!content) {
        return false;
    }
    page = text::NormalizeLines(*content);
    return true;
}

std::optional<std::string> TNewsThread::Fetch(const std::string& url, std::string& page,
                                              PageHead& head, bool& fallbackFile) {
    try {
        if (!JobHttp) {
            throw std::runtime_error("no HTTP client");
        }
        page = JobHttp->Get(url, &head);
        return std::nullopt;
    } catch (const std::exception& error) {
        if (FetchFallback(url, page, head)) {
            fallbackFile = true;
            return std::nullopt;
        }
        return std::string(error.what());
    }
}

void TNewsThread::FetchFeeds(std::vector<FeedPage>& pages, bool& fallbackFile) {
    for (const FeedSource& feed : JobFeeds) {
        FeedPage& page = pages.emplace_back();
        page.SectionCode = feed.SectionCode;
        PageHead head{"", feed.Url};
        if (auto why = Fetch(feed.Url, page.Page, head, fallbackFile)) {
            page.Failed = true;
            page.Page.clear();
            page.Reason = std::move(*why);
        }
        page.Url = std::move(head.Url);
        page.Charset = std::move(head.Charset);
    }
}

void TNewsThread::Execute() {
    JobResult result;
    result.Slot = JobMode == 1 ? JobSlot : kFrontPageSlot;
    bool fallbackFile = false;
    try {
        if (JobMode == 2) {
            // Engaged before the first fetch, so that even a job that fails
            // hands over a feed result.
            FetchFeeds(result.Feeds.emplace(), fallbackFile);
        } else {
            result.CategoryCode = JobCategoryCode;
            result.StoryId = JobStoryId;
            PageHead head;
            if (auto why = Fetch(JobUrl, result.Page, head, fallbackFile)) {
                result.Failed = true;
                result.Page.clear();
                result.Reason = std::move(*why);
            }
            result.Charset = std::move(head.Charset);
        }
    } catch (...) {
        result.Failed = true;
        result.Page.clear();
        result.Reason = "the download broke off";
    }
    port_->SendBlocking(result);
    if (fallbackFile) {
        std::remove(TemporaryFilePath().c_str());
    }
    Terminate();
}

} // namespace lumbrant

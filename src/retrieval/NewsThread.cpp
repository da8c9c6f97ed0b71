#include "retrieval/NewsThread.h"

#include "core/Paths.h"
#include "net/UrlDownload.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace lumbrant {

namespace {

constexpr const char* kBrokenOff = "the download broke off";

} // namespace

TNewsThread::TNewsThread(std::shared_ptr<MessagePort> port, FetchLimits limits)
    : port_(std::move(port)), limits_(limits) {}

void TNewsThread::Start() {
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

std::string TNewsThread::TemporaryFilePath() const {
    return JoinPath(JobWorkDir, JobMode == kArticleJob ? JobCategoryCode + JobStoryId + ".ini"
                                                       : std::string("tempg.ini"));
}

std::string TNewsThread::FeedFilePath(const std::string& sectionCode) const {
    return JoinPath(JobWorkDir, "tempg" + sectionCode + ".ini");
}

bool TNewsThread::FetchFallback(const std::string& url, const Attempts& attempts, std::string& page,
                                PageHead& head) {
    if (!DownloadUrlToFile(url, attempts.FallbackFile, limits_, &head, attempts.Stop)) {
        return false;
    }
    const auto content = text::ReadFileBytes(attempts.FallbackFile);
    if (!content) {
        return false;
    }
    page = text::NormalizeLines(*content);
    return true;
}

std::optional<std::string> TNewsThread::Fetch(const std::string& url, const Attempts& attempts,
                                              std::string& page, PageHead& head,
                                              bool& fallbackUsed) {
    try {
        if (attempts.Client == nullptr) {
            throw std::runtime_error("no HTTP client");
        }
        page = attempts.Client->Get(url, &head, attempts.Stop);
        return std::nullopt;
    } catch (const std::exception& error) {
        const bool stopped = attempts.Stop != nullptr && attempts.Stop->load();
        if (!stopped && FetchFallback(url, attempts, page, head)) {
            fallbackUsed = true;
            return std::nullopt;
        }
        return std::string(error.what());
    }
}

FeedPage TNewsThread::FetchFeed(const FeedSource& feed, HttpClient* client) {
    FeedPage page;
    page.SectionCode = feed.SectionCode;
    PageHead head{"", feed.Url};
    const Attempts attempts{client, FeedFilePath(feed.SectionCode), &terminated_};
    bool fallbackUsed = false;
    auto why = Terminated() ? std::optional<std::string>("")
                            : Fetch(feed.Url, attempts, page.Page, head, fallbackUsed);
    if (fallbackUsed) {
        std::remove(attempts.FallbackFile.c_str());
    }
    if (why) {
        page.Failed = true;
        page.Page.clear();
        page.Reason =
            Terminated() ? std::string("the run was stopped before it arrived") : std::move(*why);
    }
    page.Url = std::move(head.Url);
    page.Charset = std::move(head.Charset);
    return page;
}

std::vector<FeedPage> TNewsThread::FetchFeeds() {
    std::vector<FeedPage> pages(JobFeeds.size());
    std::atomic<std::size_t> next{0};
    // A fetch that throws fails its feed alone: nothing may leave a helper.
    const auto fetchInTurn = [&](std::size_t slot) {
        for (std::size_t feed; (feed = next++) < JobFeeds.size();) {
            try {
                pages[feed] = FetchFeed(JobFeeds[feed], JobFeedClients[slot].get());
            } catch (...) {
                std::remove(FeedFilePath(JobFeeds[feed].SectionCode).c_str());
                pages[feed] = {};
                pages[feed].SectionCode = JobFeeds[feed].SectionCode;
                pages[feed].Url = JobFeeds[feed].Url;
                pages[feed].Failed = true;
                pages[feed].Reason = kBrokenOff;
            }
        }
    };
    // This thread fetches as the first of the four; a helper that cannot be
    // made leaves its share to the others.
    std::vector<std::thread> helpers;
    for (std::size_t slot = 1; slot < kSlotCount && slot < JobFeeds.size(); ++slot) {
        try {
            helpers.emplace_back(fetchInTurn, slot);
        } catch (const std::system_error&) {
            break;
        }
    }
    fetchInTurn(0);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return pages;
}

void TNewsThread::Execute() {
    JobResult result;
    result.Slot = JobMode == kArticleJob ? JobSlot : kFrontPageSlot;
    bool fallbackUsed = false;
    try {
        if (JobMode == kFeedsJob) {
            // Engaged before the first fetch, so that even a job that fails
            // hands over a feed result.
            result.Feeds.emplace();
            *result.Feeds = FetchFeeds();
        } else {
            result.CategoryCode = JobCategoryCode;
            result.StoryId = JobStoryId;
            PageHead head;
            if (auto why = Fetch(JobUrl, {JobHttp.get(), TemporaryFilePath(), nullptr}, result.Page,
                                 head, fallbackUsed)) {
                result.Failed = true;
                result.Page.clear();
                result.Reason = std::move(*why);
            }
            result.Charset = std::move(head.Charset);
        }
    } catch (...) {
        result.Failed = true;
        result.Page.clear();
        result.Reason = kBrokenOff;
    }
    port_->SendBlocking(result);
    if (fallbackUsed) {
        std::remove(TemporaryFilePath().c_str());
    }
    Terminate();
}

} // namespace lumbrant

#include "newsdesk/NewsDesk.h"

#include "frontpage/Editions.h"
#include "newsdesk/ArticlePage.h"
#include "newsdesk/Feed.h"
#include "newsdesk/FrontPage.h"
#include "newsdesk/Loopback.h"
#include "newsdesk/OddFeed.h"

#include <algorithm>
#include <chrono>

namespace newsdesk {
namespace {

std::string FeedPath(const std::string& edition, const std::string& code) {
    return "/feeds/" + edition + "/" + code + ".xml";
}

constexpr std::string_view kOddFeedFolder = "odd";

Reply NotFound() {
    return {404,
            "<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>"
            "<p>The requested URL was not found on this server.</p></body></html>\n",
            {},
            false};
}

Reply Stopping() {
    return {503,
            "<html><head><title>503 Service Unavailable</title></head><body>"
            "<h1>Service Unavailable</h1></body></html>\n",
            {},
            true};
}

} // namespace

NewsDesk::NewsDesk(Options options)
    : options_(std::move(options)),
      catalog_(std::clamp(options_.StoriesPerSection, 0, kMaxStoriesPerSection)) {}

NewsDesk::~NewsDesk() {
    Stop();
}

bool NewsDesk::Start() {
    if (started_) {
        return false;
    }
    const auto address = LoopbackAddress(options_.Host);
    if (!address) {
        return false;
    }
    started_ = true;
    address_ = *address;
    port_ = BindServer();
    if (port_ <= 0) {
        port_ = 0;
        server_.reset();
        return false;
    }
    catalog_.SetBaseUrl(BaseUrl());
    if (!ServeInBackground()) {
        Stop();
        return false;
    }
    return true;
}

void NewsDesk::Stop() {
    stop_.Raise();
    if (server_) {
        StopServer();
    }
}

int NewsDesk::Port() const {
    return port_;
}

std::string NewsDesk::BaseUrl() const {
    return "http://" + address_ + ":" + std::to_string(port_);
}

std::string NewsDesk::FrontPageUrl(const std::string& edition) const {
    return BaseUrl() + "/news?ned=" + edition;
}

const Options& NewsDesk::Settings() const {
    return options_;
}

const std::vector<Story>& NewsDesk::Stories(const std::string& edition) const {
    return catalog_.Stories(edition);
}

std::string NewsDesk::FrontPage(const std::string& edition) const {
    if (edition != "tus" && edition != "tuk") {
        return {};
    }
    return RenderFrontPage(edition, catalog_.Stories(edition));
}

std::string NewsDesk::ArticlePage(const Story& story) const {
    return RenderArticlePage(story);
}

std::string NewsDesk::Feed(const std::string& edition, const std::string& code) const {
    const bool known =
        std::any_of(lumbrant::kSections.begin(), lumbrant::kSections.end(),
                    [&](const lumbrant::SectionInfo& section) { return section.Code == code; });
    if (!known || (edition != "tus" && edition != "tuk")) {
        return {};
    }
    return RenderFeed(edition, code, catalog_.Stories(edition));
}

std::string NewsDesk::FeedUrl(const std::string& edition, const std::string& code) const {
    return BaseUrl() + FeedPath(edition, code);
}

std::string NewsDesk::FeedArticlePage(const Story& story) const {
    return ModernText(RenderArticlePage(story));
}

std::string NewsDesk::OddFeed(const std::string& shape) const {
    return RenderOddFeed(shape, catalog_.Stories("tus"));
}

std::string NewsDesk::OddFeedUrl(const std::string& shape) const {
    return BaseUrl() + FeedPath(std::string(kOddFeedFolder), shape);
}

int NewsDesk::InFlight() const {
    return stats_.InFlight();
}

int NewsDesk::MaxInFlight() const {
    return stats_.MaxInFlight();
}

int NewsDesk::RequestCount(const std::string& target) const {
    return stats_.Count(target);
}

int NewsDesk::TotalRequests() const {
    return stats_.Total();
}

void NewsDesk::ResetCounters() {
    stats_.Reset();
}

Reply NewsDesk::Handle(const std::string& target, const std::string& path,
                       const std::string& edition) {
    const InFlightScope scope(stats_, target);
    if (options_.LatencyMs > 0 && stop_.WaitFor(std::chrono::milliseconds(options_.LatencyMs))) {
        return Stopping();
    }
    if (path == "/news") {
        const std::string page = FrontPage(edition);
        if (page.empty()) {
            return NotFound();
        }
        return {200, page, {}, false};
    }
    for (const std::string feedEdition : {"tus", "tuk"}) {
        for (const lumbrant::SectionInfo& section : lumbrant::kSections) {
            const std::string code(section.Code);
            if (path == FeedPath(feedEdition, code)) {
                return {200,
                        Feed(feedEdition, code),
                        {},
                        false,
                        feedEdition == "tus" ? "application/rss+xml" : "application/atom+xml"};
            }
        }
    }
    for (const std::string_view shape : kOddFeedShapes) {
        if (path == FeedPath(std::string(kOddFeedFolder), std::string(shape))) {
            return {200,
                    OddFeed(std::string(shape)),
                    {},
                    false,
                    shape == "relative" || shape == "base" || shape == "media"
                        ? "application/atom+xml"
                        : "application/rss+xml"};
        }
    }
    const Story* story = catalog_.FindByPath(path);
    if (story == nullptr) {
        return NotFound();
    }
    return ServeArticle(*story, path);
}

Reply NewsDesk::ServeArticle(const Story& story, const std::string& path) {
    if (path == story.FeedPath) {
        return {200, FeedArticlePage(story), {}, false, "text/html; charset=UTF-8"};
    }
    if (path == story.ArticlePath) {
        if (options_.FailStories.contains(story.Number)) {
            return NotFound();
        }
        if (options_.RedirectStories.contains(story.Number)) {
            const std::string target = BaseUrl() + story.MovedPath;
            return {302,
                    "<html><head><title>302 Found</title></head><body><h1>Found</h1>"
                    "<p>The document has moved <a href=\"" +
                        target + "\">here</a>.</p></body></html>\n",
                    target, false};
        }
        if (options_.StallStories.contains(story.Number) &&
            stop_.WaitFor(std::chrono::milliseconds(std::max(0, options_.StallMs)))) {
            return Stopping();
        }
    }
    return {200, RenderArticlePage(story), {}, false};
}

} // namespace newsdesk

#include "newsdesk/NewsDesk.h"

#include "newsdesk/ArticlePage.h"
#include "newsdesk/Feed.h"
#include "newsdesk/FrontPage.h"
#include "newsdesk/Loopback.h"

#include <algorithm>
#include <chrono>
#include <httplib.h>
#include <sys/socket.h>

namespace newsdesk {
namespace {

constexpr const char* kHtml = "text/html; charset=ISO-8859-1";
std::string FeedPath(const std::string& edition, const std::string& code) {
    return "/feeds/" + edition + "/" + code + ".xml";
}
constexpr auto kStartWait = std::chrono::seconds(10);

void Answer(httplib::Response& response, int status, const std::string& body) {
    response.status = status;
    response.set_content(body, kHtml);
}

void AnswerNotFound(httplib::Response& response) {
    Answer(response, 404,
           "<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>"
           "<p>The requested URL was not found on this server.</p></body></html>\n");
}

void AnswerStopping(httplib::Response& response) {
    response.set_header("Connection", "close");
    Answer(response, 503,
           "<html><head><title>503 Service Unavailable</title></head><body>"
           "<h1>Service Unavailable</h1></body></html>\n");
}

// The edition a front-page request asks for: exactly one query value "ned".
std::string RequestedEdition(const httplib::Request& request) {
    if (request.params.size() != 1 || !request.has_param("ned")) {
        return {};
    }
    return request.get_param_value("ned");
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
    server_ = std::make_unique<httplib::Server>();
    const auto threads = static_cast<std::size_t>(std::max(1, options_.Threads));
    server_->new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    // Plain address reuse only: the library's default also shares the port
    // with any other listener, which would hide a port that is taken.
    server_->set_socket_options([this](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        listenSocket_ = socket;
    });
    // Clients keep their connection between articles; a short idle time lets
    // Stop finish soon even while a client holds one open.
    server_->set_keep_alive_max_count(100);
    // Headers and body leave in separate writes; without this a reused
    // connection waits for the client's delayed acknowledgement every time.
    server_->set_tcp_nodelay(true);
    server_->set_keep_alive_timeout(1);
    server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Handle(request, response);
    });

    if (options_.Port == 0) {
        port_ = server_->bind_to_any_port(address_);
    } else {
        port_ = server_->bind_to_port(address_, options_.Port) ? options_.Port : -1;
    }
    if (port_ <= 0) {
        port_ = 0;
        server_.reset();
        return false;
    }
    // The library listens with a backlog of 5; a burst of parallel clients
    // would see dropped connection attempts retried a second later.
    ::listen(listenSocket_, SOMAXCONN);
    catalog_.SetBaseUrl(BaseUrl());

    listener_ = std::thread([this] {
        server_->listen_after_bind();
        listenerEnded_ = true;
    });
    // Stop only reaches a server that is already running, so wait for it.
    const auto deadline = std::chrono::steady_clock::now() + kStartWait;
    while (!server_->is_running() && !listenerEnded_ &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!server_->is_running()) {
        Stop();
        return false;
    }
    return true;
}

void NewsDesk::Stop() {
    stop_.Raise();
    if (listener_.joinable()) {
        // The server ignores a stop before its loop runs, and must be asked
        // only once while it does.
        while (!server_->is_running() && !listenerEnded_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        server_->stop();
        listener_.join();
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
        std::any_of(std::begin(kSectionNames), std::end(kSectionNames),
                    [&](const SectionName& section) { return section.Code == code; });
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

void NewsDesk::Handle(const httplib::Request& request, httplib::Response& response) {
    const InFlightScope scope(stats_, request.target);
    if (options_.LatencyMs > 0 && stop_.WaitFor(std::chrono::milliseconds(options_.LatencyMs))) {
        AnswerStopping(response);
        return;
    }
    if (request.path == "/news") {
        const std::string page = FrontPage(RequestedEdition(request));
        if (page.empty()) {
            AnswerNotFound(response);
        } else {
            Answer(response, 200, page);
        }
        return;
    }
    for (const std::string edition : {"tus", "tuk"}) {
        for (const SectionName& section : kSectionNames) {
            const std::string code(section.Code);
            if (request.path == FeedPath(edition, code)) {
                response.set_content(Feed(edition, code), edition == "tus"
                                                              ? "application/rss+xml"
                                                              : "application/atom+xml");
                return;
            }
        }
    }
    const Story* story = catalog_.FindByPath(request.path);
    if (story == nullptr) {
        AnswerNotFound(response);
        return;
    }
    ServeArticle(*story, request.path, response);
}

void NewsDesk::ServeArticle(const Story& story, const std::string& path,
                            httplib::Response& response) {
    if (path == story.FeedPath) {
        response.set_content(FeedArticlePage(story), "text/html; charset=UTF-8");
        return;
    }
    if (path == story.ArticlePath) {
        if (options_.FailStories.contains(story.Number)) {
            AnswerNotFound(response);
            return;
        }
        if (options_.RedirectStories.contains(story.Number)) {
            const std::string target = BaseUrl() + story.MovedPath;
            response.set_header("Location", target);
            Answer(response, 302,
                   "<html><head><title>302 Found</title></head><body><h1>Found</h1>"
                   "<p>The document has moved <a href=\"" +
                       target + "\">here</a>.</p></body></html>\n");
            return;
        }
        if (options_.StallStories.contains(story.Number) &&
            stop_.WaitFor(std::chrono::milliseconds(std::max(0, options_.StallMs)))) {
            AnswerStopping(response);
            return;
        }
    }
    Answer(response, 200, RenderArticlePage(story));
}

} // namespace newsdesk

#pragma once

#include "newsdesk/Options.h"
#include "newsdesk/RequestStats.h"
#include "newsdesk/StopSignal.h"
#include "newsdesk/Story.h"
#include "newsdesk/StoryCatalog.h"

#include <memory>
#include <string>
#include <vector>

namespace newsdesk {

// What the service answers one request, whichever HTTP server carries it.
struct Reply {
    int Status = 200;
    std::string Body;
    std::string Location; // sent when not empty
    bool Close = false;   // the connection closes after the answer
    std::string ContentType = "text/html; charset=ISO-8859-1";
};

// The local news service: a real HTTP/1.1 server on a loopback port that
// serves both editions' front pages, each section's feed, and one article
// page per story.
//
//   GET /news?ned=tus, /news?ned=tuk  the front page (any other query: 404)
//   GET <Story::ArticlePath>          the story's article page, subject to the
//                                     fail, redirect and stall options
//   GET <Story::MovedPath>            the same page, always
//   GET /feeds/<edition>/<code>.xml   a section's feed: RSS 2.0 for tus, Atom 1.0 for tuk
//   GET /feeds/odd/<shape>.xml        a feed of one of the shapes of kOddFeedShapes
//   GET <Story::FeedPath>             the page the feed links: the article page as a
//                                     publisher writes it today (ModernText), always
//   anything else                     404
//
// Every request waits Options::LatencyMs first. Pages are deterministic: the
// same options give the same bytes on every run (apart from the port in links).
class NewsDesk {
public:
    explicit NewsDesk(Options options);
    ~NewsDesk();
    NewsDesk(const NewsDesk&) = delete;
    NewsDesk& operator=(const NewsDesk&) = delete;

    // Binds and serves on a thread of its own. False when the host is not a
    // loopback address, the port cannot be bound, or the service ran before.
    bool Start();

    // Releases delayed and stalled requests at once (they answer 503), stops
    // listening and waits for the server's threads. Safe to call more than once.
    void Stop();

    int Port() const;
    std::string BaseUrl() const; // "http://127.0.0.1:PORT", no trailing slash
    std::string FrontPageUrl(const std::string& edition) const;
    const Options& Settings() const;

    // The stories of "tus" or "tuk" in page order (empty for anything else).
    // Their Url is filled once Start has succeeded.
    const std::vector<Story>& Stories(const std::string& edition) const;
    std::string FrontPage(const std::string& edition) const; // empty for an unknown edition
    std::string ArticlePage(const Story& story) const;
    // A section's feed (empty for an unknown edition or code), its address,
    // and the page its items link.
    std::string Feed(const std::string& edition, const std::string& code) const;
    std::string FeedUrl(const std::string& edition, const std::string& code) const;
    std::string FeedArticlePage(const Story& story) const;
    // The feed of an odd shape (empty for an unknown one) and its address.
    std::string OddFeed(const std::string& shape) const;
    std::string OddFeedUrl(const std::string& shape) const;

    // Counters of the requests handled so far. A request is in flight from the
    // start of its handling to the end (latency and stall included); targets
    // are the path with its query as the client sent it ("/news?ned=tus").
    int InFlight() const;
    int MaxInFlight() const;
    int RequestCount(const std::string& target) const;
    int TotalRequests() const;
    void ResetCounters();

private:
    // The answer to a GET of target (the path with its query as sent), whose
    // path is path and whose query asks for edition (empty unless the query
    // is exactly one value "ned").
    Reply Handle(const std::string& target, const std::string& path, const std::string& edition);
    Reply ServeArticle(const Story& story, const std::string& path);

    // The platform's HTTP server (NewsDeskHttplib.cpp on Linux,
    // NewsDeskWinsock.cpp on Windows): Bind answers the port bound on
    // address_ (0 when none could be), Serve starts answering through
    // Handle on threads of its own, StopServer ends them.
    struct Server;
    struct ServerDeleter {
        void operator()(Server* server) const;
    };
    int BindServer();
    bool ServeInBackground();
    void StopServer();

    Options options_;
    StoryCatalog catalog_;
    RequestStats stats_;
    StopSignal stop_;
    std::string address_;
    int port_ = 0;
    bool started_ = false;
    std::unique_ptr<Server, ServerDeleter> server_;
};

} // namespace newsdesk

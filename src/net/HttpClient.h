#pragma once

// One HTTP client: a session of the platform's HTTP stack (libcurl on Linux,
// WinHTTP on Windows) that keeps its cookies and its connection for its
// whole life. Used by one fetch job at a time.

#include "net/FetchLimits.h"

#include <atomic>
#include <memory>
#include <string>

namespace lumbrant {

// What the head of an answer said of the page it brought.
struct PageHead {
    // The charset its Content-Type named; empty when none.
    std::string Charset;
    // The address that answered at last, after any redirect.
    std::string Url;
};

class HttpClient {
public:
    // Throws std::runtime_error when the HTTP stack cannot make or set up the session.
    explicit HttpClient(FetchLimits limits = {});
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // GET of an absolute http or https address without user information,
    // with the headers "Accept: text/html, text/xml,*/*,*" and "User-Agent:
    // Mozilla/3.0 (compatible; Indy Library)". Redirects are not followed;
    // any other address, any status other than 2xx, a body over the size cap
    // and every transfer error throw std::runtime_error. The body comes back
    // byte for byte, and what its head said in head when one is given. Once
    // stop (when given) is set, the transfer is given up within a second.
    std::string Get(const std::string& url, PageHead* head = nullptr,
                    const std::atomic<bool>* stop = nullptr);

private:
    // The platform's session, defined beside its implementation.
    struct Session;

    std::unique_ptr<Session> session_;
    FetchLimits limits_;
};

} // namespace lumbrant

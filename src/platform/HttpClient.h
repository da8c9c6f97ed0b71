#pragma once

// One HTTP client: a libcurl handle that keeps its cookies and its connection
// for its whole life. Used by one fetch job at a time.

#include "platform/FetchLimits.h"

#include <string>

typedef void CURL;
struct curl_slist;

namespace lumbrant {

class HttpClient {
public:
    explicit HttpClient(FetchLimits limits = {});
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // GET of an absolute http or https address. Redirects are not followed;
    // any status other than 2xx, a body over the size cap and every transfer
    // error throw std::runtime_error. The body comes back byte for byte.
    std::string Get(const std::string& url);

private:
    CURL* handle_;
    struct curl_slist* headers_ = nullptr;
    FetchLimits limits_;
};

} // namespace lumbrant

#pragma once

// One HTTP client: a libcurl handle that keeps its cookies and its connection
// for its whole life. Used by one fetch job at a time.

#include "net/CurlOwned.h"
#include "net/FetchLimits.h"

#include <string>

namespace lumbrant {

class HttpClient {
public:
    // Throws std::runtime_error when libcurl cannot make or set up the handle.
    explicit HttpClient(FetchLimits limits = {});
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // GET of an absolute http or https address without user information.
    // Redirects are not followed; any other address, any status other than
    // 2xx, a body over the size cap and every transfer error throw
    // std::runtime_error. The body comes back byte for byte.
    std::string Get(const std::string& url);

private:
    // In this order, so that the handle is cleaned up before the header list it uses.
    CurlList headers_;
    CurlHandle handle_;
    FetchLimits limits_;
};

} // namespace lumbrant

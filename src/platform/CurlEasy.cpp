#include "platform/CurlEasy.h"

#include "text/ByteText.h"

#include <stdexcept>

namespace lumbrant {

bool IsWebAddress(const std::string& url) {
    const std::string lower = text::AsciiLower(url.substr(0, 8));
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

void CheckCurl(CURLcode code, const char* what) {
    if (code != CURLE_OK) {
        throw std::runtime_error(std::string(what) + ": " + curl_easy_strerror(code));
    }
}

void ApplyCommonOptions(CURL* handle, const FetchLimits& limits) {
    CheckCurl(curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L), "CURLOPT_NOSIGNAL");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https"),
              "CURLOPT_PROTOCOLS_STR");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https"),
              "CURLOPT_REDIR_PROTOCOLS_STR");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_PROXY, ""), "CURLOPT_PROXY");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, limits.ConnectTimeoutSeconds),
              "CURLOPT_CONNECTTIMEOUT");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L), "CURLOPT_LOW_SPEED_LIMIT");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, limits.StallSeconds),
              "CURLOPT_LOW_SPEED_TIME");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1),
              "CURLOPT_HTTP_VERSION");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L), "CURLOPT_HTTPGET");
}

} // namespace lumbrant

#include "net/HttpClient.h"

#include "net/CurlEasy.h"

#include <curl/curl.h>
#include <stdexcept>

namespace lumbrant {

namespace {

struct Body {
    std::string Bytes;
    std::size_t Cap = 0;
    bool Overflow = false;
};

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* target) {
    auto* body = static_cast<Body*>(target);
    const std::size_t length = size * count;
    if (body->Bytes.size() + length > body->Cap) {
        body->Overflow = true;
        return 0;
    }
    body->Bytes.append(data, length);
    return length;
}

} // namespace

HttpClient::HttpClient(FetchLimits limits)
    : headers_(curl_slist_append(nullptr, "Accept: text/html, text/xml,*/*,*")),
      handle_(curl_easy_init()), limits_(limits) {
    if (!headers_ || !handle_) {
        throw std::runtime_error("libcurl cannot make an HTTP client");
    }
    CURL* handle = handle_.get();
    ApplyCommonOptions(handle, limits_);
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers_.get()), "CURLOPT_HTTPHEADER");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)"),
              "CURLOPT_USERAGENT");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_COOKIEFILE, ""), "CURLOPT_COOKIEFILE");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L), "CURLOPT_FOLLOWLOCATION");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody), "CURLOPT_WRITEFUNCTION");
}

std::string HttpClient::Get(const std::string& url) {
    if (!MayFetch(url)) {
        throw std::runtime_error(
            "Only http and https addresses without a user name or password are fetched.");
    }
    CURL* handle = handle_.get();
    Body body;
    body.Cap = limits_.MaxBodyBytes;
    CheckCurl(curl_easy_setopt(handle, CURLOPT_URL, url.c_str()), "CURLOPT_URL");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body), "CURLOPT_WRITEDATA");
    const CURLcode result = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, nullptr);
    if (body.Overflow) {
        throw std::runtime_error("The page is larger than the download limit: " + url);
    }
    CheckCurl(result, "GET");
    long status = 0;
    CheckCurl(curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status), "CURLINFO_RESPONSE_CODE");
    if (status < 200 || status > 299) {
        throw std::runtime_error("HTTP/1.1 " + std::to_string(status));
    }
    return std::move(body.Bytes);
}

} // namespace lumbrant

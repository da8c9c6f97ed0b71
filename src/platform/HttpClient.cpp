#include "platform/HttpClient.h"

#include "platform/CurlEasy.h"

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

HttpClient::HttpClient(FetchLimits limits) : handle_(curl_easy_init()), limits_(limits) {
    if (handle_ == nullptr) {
        throw std::runtime_error("curl_easy_init failed");
    }
    headers_ = curl_slist_append(headers_, "Accept: text/html, text/xml,*/*,*");
    ApplyCommonOptions(handle_, limits_);
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers_), "CURLOPT_HTTPHEADER");
    CheckCurl(
        curl_easy_setopt(handle_, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)"),
        "CURLOPT_USERAGENT");
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_COOKIEFILE, ""), "CURLOPT_COOKIEFILE");
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 0L), "CURLOPT_FOLLOWLOCATION");
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, AppendBody),
              "CURLOPT_WRITEFUNCTION");
}

HttpClient::~HttpClient() {
    curl_easy_cleanup(handle_);
    curl_slist_free_all(headers_);
}

std::string HttpClient::Get(const std::string& url) {
    if (!IsWebAddress(url)) {
        throw std::runtime_error("Only http and https addresses are fetched: " + url);
    }
    Body body;
    body.Cap = limits_.MaxBodyBytes;
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_URL, url.c_str()), "CURLOPT_URL");
    CheckCurl(curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &body), "CURLOPT_WRITEDATA");
    const CURLcode result = curl_easy_perform(handle_);
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, nullptr);
    if (body.Overflow) {
        throw std::runtime_error("The page is larger than the download limit: " + url);
    }
    CheckCurl(result, "GET");
    long status = 0;
    CheckCurl(curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &status),
              "CURLINFO_RESPONSE_CODE");
    if (status < 200 || status > 299) {
        throw std::runtime_error("HTTP/1.1 " + std::to_string(status));
    }
    return std::move(body.Bytes);
}

} // namespace lumbrant

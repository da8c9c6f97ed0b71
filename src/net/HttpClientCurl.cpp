#include "CurlEasy.h"
#include "net/FetchAddress.h"
#include "net/HttpClient.h"
#include "net/HttpContract.h"

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

// In this order, so that the handle is cleaned up before the header list it uses.
struct HttpClient::Session {
    CurlList Headers;
    CurlHandle Handle;
};

HttpClient::HttpClient(FetchLimits limits)
    : session_(new Session{CurlList(curl_slist_append(nullptr, kAcceptHeader)), NewCurlHandle()}),
      limits_(limits) {
    if (!session_->Headers || !session_->Handle) {
        throw std::runtime_error("libcurl cannot make an HTTP client");
    }
    CURL* handle = session_->Handle.get();
    ApplyCommonOptions(handle, limits_);
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTPHEADER, session_->Headers.get()),
              "CURLOPT_HTTPHEADER");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_USERAGENT, kUserAgent), "CURLOPT_USERAGENT");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_COOKIEFILE, ""), "CURLOPT_COOKIEFILE");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L), "CURLOPT_FOLLOWLOCATION");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody), "CURLOPT_WRITEFUNCTION");
}

HttpClient::~HttpClient() = default;

std::string HttpClient::Get(const std::string& url, PageHead* head, const std::atomic<bool>* stop) {
    if (!MayFetch(url)) {
        RefuseAddress();
    }
    CURL* handle = session_->Handle.get();
    Body body;
    body.Cap = limits_.MaxBodyBytes;
    CheckCurl(curl_easy_setopt(handle, CURLOPT_URL, url.c_str()), "CURLOPT_URL");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body), "CURLOPT_WRITEDATA");
    GiveUpOn(handle, stop);
    const CURLcode result = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, nullptr);
    if (body.Overflow) {
        FailOverSize(url);
    }
    CheckCurl(result, "GET");
    long status = 0;
    CheckCurl(curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status), "CURLINFO_RESPONSE_CODE");
    if (!IsPageStatus(status)) {
        FailOnStatus(status);
    }
    if (head != nullptr) {
        *head = HeadOf(handle);
    }
    return std::move(body.Bytes);
}

} // namespace lumbrant

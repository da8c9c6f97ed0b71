#include "CurlEasy.h"

#include "net/FetchAddress.h"
#include "text/Encoding.h"

#include <memory>
#include <mutex>
#include <stdexcept>
#include <sys/socket.h>

namespace lumbrant {

namespace {

bool HasPart(CURLU* parsed, CURLUPart part) {
    char* value = nullptr;
    const CURLUcode found = curl_url_get(parsed, part, &value, 0);
    curl_free(value);
    return found == CURLUE_OK;
}

// libcurl's sockets are made as it would make them, but closed in any
// program this one starts (a browser opened from the window).
curl_socket_t OpenUninheritedSocket(void*, curlsocktype, curl_sockaddr* address) {
    return ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

int GiveUpWhenStopped(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

} // namespace

bool NamesUserOrPassword(const std::string& url) {
    const std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> parsed(curl_url(), curl_url_cleanup);
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        return true;
    }
    return HasPart(parsed.get(), CURLUPART_USER) || HasPart(parsed.get(), CURLUPART_PASSWORD);
}

void CurlCleanup::operator()(CURL* handle) const {
    curl_easy_cleanup(handle);
}

void CurlCleanup::operator()(curl_slist* list) const {
    curl_slist_free_all(list);
}

void GiveUpOn(CURL* handle, const std::atomic<bool>* stop) {
    if (stop == nullptr) {
        CheckCurl(curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 1L), "CURLOPT_NOPROGRESS");
        return;
    }
    CheckCurl(curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, GiveUpWhenStopped),
              "CURLOPT_XFERINFOFUNCTION");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(stop)),
              "CURLOPT_XFERINFODATA");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L), "CURLOPT_NOPROGRESS");
}

PageHead HeadOf(CURL* handle) {
    PageHead head;
    const char* contentType = nullptr;
    if (curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr) {
        head.Charset = text::CharsetOfContentType(contentType);
    }
    const char* url = nullptr;
    if (curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &url) == CURLE_OK && url != nullptr) {
        head.Url = url;
    }
    return head;
}

CurlHandle NewCurlHandle() {
    static std::once_flag once;
    static CURLcode setUp = CURLE_OK;
    std::call_once(once, [] { setUp = curl_global_init(CURL_GLOBAL_DEFAULT); });
    return CurlHandle(setUp == CURLE_OK ? curl_easy_init() : nullptr);
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
    CheckCurl(curl_easy_setopt(handle, CURLOPT_TIMEOUT, limits.DeadlineSeconds), "CURLOPT_TIMEOUT");
    // A redirect may name a user and password of its own, and libcurl would
    // log in with them: such a redirect fails instead.
    CheckCurl(curl_easy_setopt(handle, CURLOPT_DISALLOW_USERNAME_IN_URL, 1L),
              "CURLOPT_DISALLOW_USERNAME_IN_URL");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_UNRESTRICTED_AUTH, 0L), "CURLOPT_UNRESTRICTED_AUTH");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_IGNORED)),
              "CURLOPT_NETRC");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1),
              "CURLOPT_HTTP_VERSION");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L), "CURLOPT_HTTPGET");
    CheckCurl(curl_easy_setopt(handle, CURLOPT_OPENSOCKETFUNCTION, OpenUninheritedSocket),
              "CURLOPT_OPENSOCKETFUNCTION");
}

} // namespace lumbrant

#include "net/LinkResolver.h"

#include <curl/curl.h>
#include <memory>

namespace lumbrant {

namespace {

struct UrlFree {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

} // namespace

std::string ResolveReference(const std::string& base, const std::string& reference) {
    const std::unique_ptr<CURLU, UrlFree> url(curl_url());
    char* resolved = nullptr;
    if (!url || curl_url_set(url.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_URL, reference.c_str(), 0) != CURLUE_OK ||
        curl_url_get(url.get(), CURLUPART_URL, &resolved, 0) != CURLUE_OK) {
        return {};
    }
    std::string out(resolved);
    curl_free(resolved);
    return out;
}

} // namespace lumbrant

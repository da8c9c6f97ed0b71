#pragma once

// Owned libcurl objects, freed however their set-up ends. Declared without
// libcurl's header, so that the users of an HTTP client do not see it.

#include <memory>

typedef void CURL;
struct curl_slist;

namespace lumbrant {

struct CurlCleanup {
    void operator()(CURL* handle) const;
    void operator()(curl_slist* list) const;
};

using CurlHandle = std::unique_ptr<CURL, CurlCleanup>;
using CurlList = std::unique_ptr<curl_slist, CurlCleanup>;

} // namespace lumbrant

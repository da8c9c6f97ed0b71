#pragma once

// Shared set-up of libcurl handles: only http and https, bounded time-outs,
// no proxy, no signals, no credentials.

#include "net/FetchLimits.h"
#include "net/HttpClient.h"

#include <atomic>
#include <curl/curl.h>
#include <memory>

namespace lumbrant {

// Owned libcurl objects, freed however their set-up ends.
struct CurlCleanup {
    void operator()(CURL* handle) const;
    void operator()(curl_slist* list) const;
};

using CurlHandle = std::unique_ptr<CURL, CurlCleanup>;
using CurlList = std::unique_ptr<curl_slist, CurlCleanup>;

// A new easy handle (empty when libcurl makes none). libcurl's global
// set-up is done once, before the first handle.
CurlHandle NewCurlHandle();

// Applies the options every handle of the program carries. Throws
// std::runtime_error when libcurl refuses one.
void ApplyCommonOptions(CURL* handle, const FetchLimits& limits);

// Makes the handle's transfers give up once stop is set (nullptr: never).
// libcurl asks at least once a second, however slow the transfer.
void GiveUpOn(CURL* handle, const std::atomic<bool>* stop);

// What the head of the handle's last answer said.
PageHead HeadOf(CURL* handle);

// Throws std::runtime_error with libcurl's text when code is not CURLE_OK.
void CheckCurl(CURLcode code, const char* what);

} // namespace lumbrant

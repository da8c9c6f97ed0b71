#pragma once

// Shared set-up of libcurl handles: only http and https, bounded time-outs,
// no proxy, no signals, no credentials.

#include "net/CurlOwned.h"
#include "net/FetchLimits.h"

#include <curl/curl.h>
#include <string>

namespace lumbrant {

// True when the address may be fetched: its scheme is http or https (letter
// case ignored) and it names neither a user nor a password, so that no page
// can make the program log in anywhere. An address libcurl cannot read is
// not fetched either.
bool MayFetch(const std::string& url);

// Applies the options every handle of the program carries. Throws
// std::runtime_error when libcurl refuses one.
void ApplyCommonOptions(CURL* handle, const FetchLimits& limits);

// Throws std::runtime_error with libcurl's text when code is not CURLE_OK.
void CheckCurl(CURLcode code, const char* what);

} // namespace lumbrant

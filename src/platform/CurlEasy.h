#pragma once

// Shared set-up of libcurl handles: only http and https, bounded time-outs,
// no proxy, no signals.

#include "platform/FetchLimits.h"

#include <curl/curl.h>
#include <string>

namespace lumbrant {

// True when the address's scheme is http or https (letter case ignored).
bool IsWebAddress(const std::string& url);

// Applies the options every handle of the program carries. Throws
// std::runtime_error when libcurl refuses one.
void ApplyCommonOptions(CURL* handle, const FetchLimits& limits);

// Throws std::runtime_error with libcurl's text when code is not CURLE_OK.
void CheckCurl(CURLcode code, const char* what);

} // namespace lumbrant

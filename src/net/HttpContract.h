#pragma once

// What every HTTP stack of the program keeps, in one place: what it sends,
// which answers bring a page, and the words of each refusal, so that a fetch
// fails alike on every system.

#include <string>

namespace lumbrant {

// The headers every request carries.
inline constexpr char kAcceptHeader[] = "Accept: text/html, text/xml,*/*,*";
inline constexpr char kUserAgent[] = "Mozilla/3.0 (compatible; Indy Library)";

// Only an answer of this status brings its page (2xx).
bool IsPageStatus(long status);

// Each throws std::runtime_error with the words a user finds in the log.
// An answer whose status brings no page: "HTTP/1.1 " and the status.
[[noreturn]] void FailOnStatus(long status);
// An address that is never fetched (see MayFetch).
[[noreturn]] void RefuseAddress();
// A page larger than the size cap, or slower than the deadline.
[[noreturn]] void FailOverSize(const std::string& url);
[[noreturn]] void FailOverTime(const std::string& url);

} // namespace lumbrant

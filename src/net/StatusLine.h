#pragma once

// The status of an HTTP response from its head, as a system cache keeps it.

#include <string_view>

namespace lumbrant {

// The status code of a response head such as "HTTP/1.1 404 Not Found\r\n...":
// the three digits after the first blank of its first line, 0 when the head
// does not begin that way.
int StatusCodeOfHead(std::string_view head);

} // namespace lumbrant

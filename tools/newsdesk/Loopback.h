#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace newsdesk {

// The IPv4 loopback address to bind for a host name: "localhost" gives
// "127.0.0.1", a dotted address in 127.0.0.0/8 gives itself, anything else
// gives nothing. The service never listens beyond this machine.
std::optional<std::string> LoopbackAddress(std::string_view host);

} // namespace newsdesk

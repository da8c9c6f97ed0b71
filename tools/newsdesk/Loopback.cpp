#include "newsdesk/Loopback.h"

namespace newsdesk {
namespace {

// Splits a dotted quad into its four numbers; false for anything else.
bool ParseDottedQuad(std::string_view text, int (&parts)[4]) {
    int index = 0;
    int value = -1;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (c - '0');
            if (value > 255) {
                return false;
            }
        } else if (c == '.' && value >= 0 && index < 3) {
            parts[index++] = value;
            value = -1;
        } else {
            return false;
        }
    }
    if (value < 0 || index != 3) {
        return false;
    }
    parts[3] = value;
    return true;
}

} // namespace

std::optional<std::string> LoopbackAddress(std::string_view host) {
    if (host == "localhost") {
        return "127.0.0.1";
    }
    int parts[4] = {};
    if (ParseDottedQuad(host, parts) && parts[0] == 127) {
        return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
               std::to_string(parts[2]) + "." + std::to_string(parts[3]);
    }
    return std::nullopt;
}

} // namespace newsdesk

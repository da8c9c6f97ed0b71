#include "net/StatusLine.h"

namespace lumbrant {

int StatusCodeOfHead(std::string_view head) {
    const std::string_view line = head.substr(0, head.find_first_of("\r\n"));
    const std::size_t blank = line.find(' ');
    if (line.substr(0, 5) != "HTTP/" || blank == std::string_view::npos ||
        line.size() < blank + 4) {
        return 0;
    }
    int status = 0;
    for (const char digit : line.substr(blank + 1, 3)) {
        if (digit < '0' || digit > '9') {
            return 0;
        }
        status = status * 10 + (digit - '0');
    }
    const bool ends = line.size() == blank + 4 || line[blank + 4] == ' ';
    return ends ? status : 0;
}

} // namespace lumbrant

#include "core/StatusText.h"

namespace lumbrant {

std::string FormatStatus(const std::string& text) {
    if (text.size() <= kStatusMaxLength) {
        return text;
    }
    return text.substr(0, kStatusMaxLength) + "...";
}

} // namespace lumbrant

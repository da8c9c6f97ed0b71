#pragma once

#include <string>

namespace lumbrant {

inline constexpr std::size_t kStatusMaxLength = 46;

// A status text longer than 46 characters shows as its first 46 followed by "...".
std::string FormatStatus(const std::string& text);

} // namespace lumbrant

#pragma once

// The country selector's entries, in their order: the index of an entry is
// the stored country index (CI).

#include <array>
#include <string_view>

namespace lumbrant::skin {

inline constexpr std::array<std::string_view, 2> kCountryEntries = {"United States",
                                                                    "United Kingdom"};

} // namespace lumbrant::skin

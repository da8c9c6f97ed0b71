#pragma once

// The feed editions: the optional file Editions.ini in the work folder, read
// anew for every run. Each INI section is named after a country entry and
// gives, under a section code as key, the address of that section's feed,
// and under Items the most stories one feed gives. A country entry with a
// section there takes its stories from its feeds; any other runs on the
// classic front page.

#include "core/JobPorts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant {

inline constexpr std::size_t kDefaultFeedItems = 10;
// Larger is no edition file: it is not read.
inline constexpr std::size_t kMaxEditionFileBytes = 1024 * 1024;

struct Edition {
    // In section order; only the codes with an http or https address.
    std::vector<FeedSource> Feeds;
    // 1 to kMaxStoriesPerSection; any other value counts as kDefaultFeedItems.
    std::size_t Items = kDefaultFeedItems;
    // Each key that gives no feed, in file order, as the key, ": " and why
    // (not a section code, no web address, the section's second address).
    std::vector<std::string> PassedOver;
};

// The edition of the country entry, or nothing when the file or its section
// is missing. Throws std::runtime_error when the file is larger than
// kMaxEditionFileBytes.
std::optional<Edition> LoadEdition(const std::string& workDir, const std::string& countryEntry);

} // namespace lumbrant

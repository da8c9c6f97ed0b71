#pragma once

// Left-to-right search for one key, occurrences never overlapping: after a
// match the search goes on behind it, as a replace-all does. Built on the
// key's failure table, so a search costs time in proportion to the text
// whatever the key, and it can be fed a text in pieces. Finding all
// occurrences in one text skips ahead on the key's last character first,
// and falls back to the failure table where skipping stops paying.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

class KeyMatcher {
public:
    // The key must not be empty.
    explicit KeyMatcher(std::string_view key);

    // Calls found with the 0-based start of each occurrence in hay, in order.
    void FindAll(std::string_view hay, const std::function<void(std::size_t)>& found) const;

    // Goes on with a search that has matched `state` characters of the key so
    // far; returns how many occurrences end in chunk.
    std::size_t Feed(std::string_view chunk, std::size_t& state) const;

private:
    // Advances state by one character; true when that completes a match.
    bool Advance(char c, std::size_t& state) const;
    // Failure-table search of hay from `from` on.
    void FindRest(std::string_view hay, std::size_t from,
                  const std::function<void(std::size_t)>& found) const;

    std::string key_;
    std::vector<std::size_t> fallback_;
    // How far the key may move when the character under its end is c.
    std::size_t skip_[256];
};

} // namespace lumbrant

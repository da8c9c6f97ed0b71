#include "article/KeyMatcher.h"

#include <cstring>

namespace lumbrant {

namespace {

// Shorter keys are found faster by jumping between their first characters.
constexpr std::size_t kSkipFrom = 4;

} // namespace

KeyMatcher::KeyMatcher(std::string_view key) : key_(key), fallback_(key.size(), 0) {
    for (std::size_t& skip : skip_) {
        skip = key_.size();
    }
    for (std::size_t i = 0; i + 1 < key_.size(); ++i) {
        skip_[static_cast<unsigned char>(key_[i])] = key_.size() - 1 - i;
    }
    std::size_t k = 0;
    for (std::size_t i = 1; i < key_.size(); ++i) {
        while (k > 0 && key_[i] != key_[k]) {
            k = fallback_[k - 1];
        }
        if (key_[i] == key_[k]) {
            ++k;
        }
        fallback_[i] = k;
    }
}

bool KeyMatcher::Advance(char c, std::size_t& state) const {
    while (state > 0 && key_[state] != c) {
        state = fallback_[state - 1];
    }
    if (key_[state] == c) {
        ++state;
    }
    if (state == key_.size()) {
        state = 0;
        return true;
    }
    return false;
}

std::size_t KeyMatcher::Feed(std::string_view chunk, std::size_t& state) const {
    std::size_t matches = 0;
    const char* const data = chunk.data();
    std::size_t i = 0;
    while (i < chunk.size()) {
        if (state == 0) {
            // Nothing matched yet: skip straight to the key's first character.
            const void* hit = std::memchr(data + i, key_[0], chunk.size() - i);
            if (hit == nullptr) {
                break;
            }
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        }
        if (Advance(data[i++], state)) {
            ++matches;
        }
    }
    return matches;
}

void KeyMatcher::FindRest(std::string_view hay, std::size_t from,
                          const std::function<void(std::size_t)>& found) const {
    std::size_t state = 0;
    for (std::size_t i = from; i < hay.size(); ++i) {
        if (state == 0) {
            const void* hit = std::memchr(hay.data() + i, key_[0], hay.size() - i);
            if (hit == nullptr) {
                break;
            }
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data());
        }
        if (Advance(hay[i], state)) {
            found(i + 1 - key_.size());
        }
    }
}

void KeyMatcher::FindAll(std::string_view hay,
                         const std::function<void(std::size_t)>& found) const {
    const std::size_t m = key_.size();
    if (m < kSkipFrom) {
        FindRest(hay, 0, found);
        return;
    }
    // Compare the key from its end at each place, then skip by the page's
    // character under the key's end. Every place before `at` has been ruled
    // out or matched, so the failure-table search can take over at `at` once
    // the comparisons outgrow the distance covered.
    std::size_t at = 0;
    std::size_t work = 0;
    while (at + m <= hay.size()) {
        std::size_t j = m - 1;
        while (hay[at + j] == key_[j] && j > 0) {
            --j;
        }
        work += m - j;
        if (j == 0 && hay[at] == key_[0]) {
            found(at);
            at += m;
            continue;
        }
        at += skip_[static_cast<unsigned char>(hay[at + m - 1])];
        if (work > 4 * (at + m)) {
            FindRest(hay, at, found);
            return;
        }
    }
}

} // namespace lumbrant

#include "article/KeyMatcher.h"

#include <cstring>

namespace lumbrant {

KeyMatcher::KeyMatcher(std::string_view key) : key_(key), fallback_(key.size(), 0) {
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

std::vector<std::size_t> KeyMatcher::FindAll(std::string_view hay) const {
    std::vector<std::size_t> starts;
    std::size_t state = 0;
    for (std::size_t i = 0; i < hay.size(); ++i) {
        if (state == 0) {
            const void* hit = std::memchr(hay.data() + i, key_[0], hay.size() - i);
            if (hit == nullptr) {
                break;
            }
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data());
        }
        if (Advance(hay[i], state)) {
            starts.push_back(i + 1 - key_.size());
        }
    }
    return starts;
}

} // namespace lumbrant

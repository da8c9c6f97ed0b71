#pragma once

#include <cstdint>
#include <string_view>

namespace newsdesk {

// A tiny deterministic generator (splitmix64). Every page the service serves is
// drawn from one of these, seeded from the story's edition and number, so the
// same options always give byte-identical pages.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();

    // 0 to n - 1; n must be positive.
    int Below(int n);

    // lo to hi, both included.
    int Between(int lo, int hi);

    bool Chance(int percent);

    template <class Container> const auto& Pick(const Container& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(std::size(items))))];
    }

private:
    std::uint64_t state_;
};

// A seed from a text and a number (FNV-1a over the text, then mixed with the number).
std::uint64_t SeedFrom(std::string_view text, std::uint64_t number);

} // namespace newsdesk

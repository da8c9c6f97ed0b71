#include "newsdesk/Rng.h"

namespace newsdesk {

std::uint64_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Rng::Below(int n) {
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

int Rng::Between(int lo, int hi) {
    return lo + Below(hi - lo + 1);
}

bool Rng::Chance(int percent) {
    return Below(100) < percent;
}

std::uint64_t SeedFrom(std::string_view text, std::uint64_t number) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ULL;
    }
    Rng mixer(hash ^ (number * 0x9E3779B97F4A7C15ULL));
    return mixer.Next();
}

} // namespace newsdesk

#pragma once

// Seeded generator of small, badly formed HTML built to reach the edges of
// the text conversions: removable and other tags in mixed case, attributes
// holding "<" or ">", unclosed "<", stray ">", comments, scripts and styles
// with and without their closing text (or with it before the tag), blank,
// tab and line-break runs; and snippets cut out of such pages and mutated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace articletest {

// splitmix64: small, fast and the same on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, bound); bound must be positive.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[Below(items.size())];
    }

private:
    std::uint64_t state_;
};

class MessyHtml {
public:
    explicit MessyHtml(std::uint64_t seed) : rng_(seed) {}

    // A page of about `pieces` pieces.
    std::string Page(std::size_t pieces);
    // Text with long blank, tab and line-break runs and few tags.
    std::string Whitespace(std::size_t pieces);
    // A snippet taken from the page (or made up) and possibly mutated.
    std::string Snippet(const std::string& page);
    // The snippet unchanged, or with its start, end or a few characters changed.
    std::string Mutated(std::string snippet);
    // Text of a few short tokens ("x", blanks, tags that open or close a
    // script), in which block conversions from different starts often meet.
    std::string Tokens(std::size_t count);
    // Sorted positions (1-based), duplicates and out-of-range ones included.
    std::vector<std::ptrdiff_t> Positions(const std::string& page);

    Rng& Random() { return rng_; }

private:
    std::string Word();
    std::string Name();
    std::string Tag();
    std::string Element(const char* name);
    std::string Space();
    std::string Piece();
    std::string MixCase(std::string s);

    Rng rng_;
};

// Removes chunks of input, halving the chunk size, while fails() still holds.
template <typename Fails> std::string Shrink(std::string input, Fails fails) {
    for (std::size_t chunk = input.size() / 2; chunk > 0;) {
        bool progress = false;
        for (std::size_t at = 0; at + chunk <= input.size();) {
            std::string candidate = input.substr(0, at) + input.substr(at + chunk);
            if (fails(candidate)) {
                input = std::move(candidate);
                progress = true;
            } else {
                at += chunk;
            }
        }
        if (!progress) {
            chunk /= 2;
        }
    }
    return input;
}

// The text as a C string literal body, so a failing input can be pasted back.
std::string Escaped(const std::string& s);

} // namespace articletest

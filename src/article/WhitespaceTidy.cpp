#include "article/WhitespaceTidy.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lumbrant {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// How many blanks a run of `run` blanks keeps after the five passes. Each
// pass replaces whole groups of its length from the left, and what a pass
// leaves of a run is still one run.
std::size_t BlanksKept(std::size_t run) {
    for (std::size_t group : {11, 8, 6, 3, 2}) {
        run = run / group + run % group;
    }
    return run;
}

// For each byte of word that is a blank, its top bit; nothing else.
std::uint64_t BlankBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    const std::uint64_t x = word ^ 0x2020202020202020ull;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

std::uint64_t Load(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Start of the first two blanks in a row at or after from, or npos. Tests
// eight places at a time where bytes are laid out from the low end.
std::size_t FindDoubleBlank(std::string_view text, std::size_t from) {
    std::size_t i = from;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 9 <= text.size(); i += 8) {
            const std::uint64_t pairs =
                BlankBytes(Load(text.data() + i)) & BlankBytes(Load(text.data() + i + 1));
            if (pairs != 0) {
                return i + static_cast<std::size_t>(std::countr_zero(pairs)) / 8;
            }
        }
    }
    for (; i + 1 < text.size(); ++i) {
        if (text[i] == ' ' && text[i + 1] == ' ') {
            return i;
        }
    }
    return npos;
}

// The line-break passes only ever shorten the text, so they rewrite it in
// place: what they keep is moved down to `kept`, which never passes the
// reading point.
class InPlace {
public:
    explicit InPlace(std::string& text) : text_(text) {}
    // Keeps the characters from the reading point up to `to`.
    void KeepUpTo(std::size_t to) {
        if (kept_ != read_) {
            std::memmove(text_.data() + kept_, text_.data() + read_, to - read_);
        }
        kept_ += to - read_;
        read_ = to;
    }
    void Skip(std::size_t to) { read_ = to; }
    std::size_t Reading() const { return read_; }
    void Finish() {
        KeepUpTo(text_.size());
        text_.resize(kept_);
    }

private:
    std::string& text_;
    std::size_t read_ = 0;
    std::size_t kept_ = 0;
};

// Copies text into out (reserved once, so it never grows in steps) with
// every blank run shortened.
void CopyShorteningBlankRuns(std::string_view text, std::string& out) {
    out.reserve(text.size());
    std::size_t i = 0;
    for (std::size_t run = FindDoubleBlank(text, 0); run != npos; run = FindDoubleBlank(text, i)) {
        out.append(text, i, run - i);
        i = run;
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        out.append(BlanksKept(i - run), ' ');
    }
    out.append(text, i);
}

// True when text holds piece at position at.
bool Holds(std::string_view text, std::size_t at, std::string_view piece) {
    if (at + piece.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (text[at + i] != piece[i]) {
            return false;
        }
    }
    return true;
}

// Replacing unit + gap + unit by unit until none is left turns every chain
// unit (gap unit)* into one unit: a replacement keeps the characters around
// the chain, so chains neither merge nor split.
void CollapseChains(std::string& text, std::string_view unit, std::string_view gap,
                    std::string_view pair) {
    const std::size_t first = text.find(pair);
    if (first == npos) {
        return;
    }
    const std::string_view view = text;
    InPlace pass(text);
    for (std::size_t at = view.find(unit, first); at != npos;
         at = view.find(unit, pass.Reading())) {
        std::size_t end = at + unit.size();
        pass.KeepUpTo(end);
        while (Holds(view, end, gap) && Holds(view, end + gap.size(), unit)) {
            end += gap.size() + unit.size();
        }
        pass.Skip(end);
    }
    pass.Finish();
}

} // namespace

std::string TidyWhitespace(std::string_view text) {
    std::string tidy;
    CopyShorteningBlankRuns(text, tidy);
    CollapseChains(tidy, "\t", "", "\t\t");
    CollapseChains(tidy, "\r\n", "", "\r\n\r\n");
    CollapseChains(tidy, "\r\n", " ", "\r\n \r\n");
    CollapseChains(tidy, "\n", "", "\n\n");
    CollapseChains(tidy, "\n", " ", "\n \n");
    return tidy;
}

} // namespace lumbrant

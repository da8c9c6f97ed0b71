#include "article/WhitespaceTidy.h"

#include <cstddef>
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

// Start of the first two blanks in a row at or after from, or npos. Looks
// at every second character first, since text has few blanks in a row.
std::size_t FindDoubleBlank(std::string_view text, std::size_t from) {
    std::size_t i = from;
    while (i + 1 < text.size()) {
        if (text[i + 1] != ' ') {
            i += 2;
        } else if (text[i] == ' ') {
            return i;
        } else {
            ++i;
        }
    }
    return npos;
}

// Every pass only ever shortens the text, so it rewrites it in place: what
// it keeps is moved down to `kept`, which never passes the reading point.
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
    void Put(char c, std::size_t count) {
        std::memset(text_.data() + kept_, c, count);
        kept_ += count;
    }
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

void ShortenBlankRuns(std::string& text) {
    InPlace pass(text);
    for (std::size_t run = FindDoubleBlank(text, 0); run != npos;
         run = FindDoubleBlank(text, pass.Reading())) {
        pass.KeepUpTo(run);
        std::size_t end = run;
        while (end < text.size() && text[end] == ' ') {
            ++end;
        }
        pass.Skip(end);
        pass.Put(' ', BlanksKept(end - run));
    }
    pass.Finish();
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
        while (view.compare(end, gap.size(), gap) == 0 &&
               view.compare(end + gap.size(), unit.size(), unit) == 0) {
            end += gap.size() + unit.size();
        }
        pass.Skip(end);
    }
    pass.Finish();
}

} // namespace

std::string TidyWhitespace(std::string_view text) {
    std::string tidy(text);
    ShortenBlankRuns(tidy);
    CollapseChains(tidy, "\t", "", "\t\t");
    CollapseChains(tidy, "\r\n", "", "\r\n\r\n");
    CollapseChains(tidy, "\r\n", " ", "\r\n \r\n");
    CollapseChains(tidy, "\n", "", "\n\n");
    CollapseChains(tidy, "\n", " ", "\n \n");
    return tidy;
}

} // namespace lumbrant

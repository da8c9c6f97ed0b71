#include "article/WhitespaceTidy.h"

#include <cstddef>

namespace lumbrant {

namespace {

// How many blanks a run of `run` blanks keeps after the five passes. Each
// pass replaces whole groups of its length from the left, and what a pass
// leaves of a run is still one run.
std::size_t BlanksKept(std::size_t run) {
    for (std::size_t group : {11, 8, 6, 3, 2}) {
        run = run / group + run % group;
    }
    return run;
}

std::string ShortenBlankRuns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t blank = text.find(' ', i);
        if (blank == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, blank - i));
        i = blank;
        std::size_t run = 0;
        while (i < text.size() && text[i] == ' ') {
            ++run;
            ++i;
        }
        out.append(BlanksKept(run), ' ');
    }
    return out;
}

// Replacing unit + gap + unit by unit until none is left turns every chain
// unit (gap unit)* into one unit: a replacement keeps the characters around
// the chain, so chains neither merge nor split.
std::string CollapseChains(std::string_view text, std::string_view unit, std::string_view gap) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t at = text.find(unit, i);
        if (at == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, at - i));
        out.append(unit);
        i = at + unit.size();
        while (text.compare(i, gap.size(), gap) == 0 &&
               text.compare(i + gap.size(), unit.size(), unit) == 0) {
            i += gap.size() + unit.size();
        }
    }
    return out;
}

} // namespace

std::string TidyWhitespace(std::string_view text) {
    std::string out = ShortenBlankRuns(text);
    out = CollapseChains(out, "\t", "");
    out = CollapseChains(out, "\r\n", "");
    out = CollapseChains(out, "\r\n", " ");
    out = CollapseChains(out, "\n", "");
    return CollapseChains(out, "\n", " ");
}

} // namespace lumbrant

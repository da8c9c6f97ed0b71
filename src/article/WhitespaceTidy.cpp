#include "article/WhitespaceTidy.h"

#include <cstddef>

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

void ShortenBlankRuns(std::string_view text, std::string& out) {
    out.clear();
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

// Replacing unit + gap + unit by unit until none is left turns every chain
// unit (gap unit)* into one unit: a replacement keeps the characters around
// the chain, so chains neither merge nor split. Text before the first such
// chain of two or more is copied as it is.
void CollapseChains(std::string_view text, std::size_t firstChain, std::string_view unit,
                    std::string_view gap, std::string& out) {
    out.assign(text, 0, firstChain);
    std::size_t i = firstChain;
    while (i < text.size()) {
        const std::size_t at = text.find(unit, i);
        if (at == npos) {
            out.append(text, i);
            break;
        }
        out.append(text, i, at - i);
        out.append(unit);
        i = at + unit.size();
        while (text.compare(i, gap.size(), gap) == 0 &&
               text.compare(i + gap.size(), unit.size(), unit) == 0) {
            i += gap.size() + unit.size();
        }
    }
}

} // namespace

std::string TidyWhitespace(std::string_view text) {
    std::string current;
    ShortenBlankRuns(text, current);
    std::string spare;
    const struct {
        std::string_view Unit;
        std::string_view Gap;
        std::string_view Pair;
    } loops[] = {{"\t", "", "\t\t"},
                 {"\r\n", "", "\r\n\r\n"},
                 {"\r\n", " ", "\r\n \r\n"},
                 {"\n", "", "\n\n"},
                 {"\n", " ", "\n \n"}};
    for (const auto& loop : loops) {
        const std::size_t first = current.find(loop.Pair);
        if (first != npos) {
            CollapseChains(current, first, loop.Unit, loop.Gap, spare);
            current.swap(spare);
        }
    }
    return current;
}

} // namespace lumbrant

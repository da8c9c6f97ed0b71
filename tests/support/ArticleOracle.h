#pragma once

// The article-text algorithms written the slow, literal way: every step
// rebuilds the remaining text with 1-based searches and clamped copies. The
// product code must give byte-identical results; the differential tests, the
// fuzz targets and the benchmark compare against these.

#include "text/ByteText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace oracle {

using text::Index;

inline constexpr std::array<std::string_view, 47> kRemovableTags{
    "a",      "/a",      "b",      "/b",      "blockquote", "/blockquote", "br",     "/br",
    "center", "/center", "div",    "/div",    "em",         "/em",         "font",   "/font",
    "h1",     "/h1",     "h2",     "/h2",     "h3",         "/h3",         "i",      "/i",
    "img",    "/img",    "li",     "/li",     "noscript",   "/noscript",   "o:p",    "/o:p",
    "p",      "/p",      "script", "/script", "span",       "/span",       "strong", "/strong",
    "style",  "/style",  "u",      "/u",      "ul",         "/ul",         "!--"};

inline bool IsRemovable(const std::string& name) {
    for (std::string_view entry : kRemovableTags) {
        if (entry == name) {
            return true;
        }
    }
    return false;
}

inline bool BeginsWith(const std::string& s, std::string_view prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

struct NextTag {
    Index A = 0;
    Index B = 0;
    Index E = 0;
    std::string Name;
};

inline NextTag ReadNextTag(const std::string& t) {
    NextTag tag;
    tag.A = text::Pos("<", t);
    tag.B = text::Pos(">", t);
    const std::string tagText = text::Copy(t, tag.A + 1, tag.B - tag.A - 1);
    const Index blank = text::Pos(" ", tagText);
    tag.Name = text::AsciiLower(blank == 0 ? tagText : text::Copy(tagText, 1, blank - 1));
    tag.E = tag.B;
    if (BeginsWith(tag.Name, "!--")) {
        tag.Name = "!--";
        const Index close = text::Pos("-->", t);
        if (close != 0) {
            tag.E = close + 2;
        }
    } else if (BeginsWith(tag.Name, "script")) {
        const Index close = text::Pos("/script>", t);
        if (close != 0) {
            tag.E = close + 7;
        }
    } else if (BeginsWith(tag.Name, "style")) {
        const Index close = text::Pos("/style>", t);
        if (close != 0) {
            tag.E = close + 6;
        }
    }
    return tag;
}

inline bool RemoveNextTag(std::string& t) {
    const NextTag tag = ReadNextTag(t);
    if (IsRemovable(tag.Name)) {
        t = text::Copy(t, 1, tag.A - 1) + " " + text::From(t, tag.E + 1);
        return true;
    }
    t = text::Copy(t, 1, tag.A - 1);
    return false;
}

inline std::string ConvertBlock(std::string t) {
    while (RemoveNextTag(t)) {
    }
    return t;
}

enum class Outcome { In, Out };

inline bool SplitAtNextTag(std::string& t, std::string& rest, Outcome& outcome) {
    if (t.empty()) {
        return false;
    }
    const Index a = text::Pos("<", t);
    const Index b = text::Pos(">", t);
    if (a > 50000 || b > 50000) {
        return false;
    }
    const NextTag tag = ReadNextTag(t);
    if (tag.Name.empty()) {
        return false;
    }
    if (IsRemovable(tag.Name)) {
        t = text::Copy(t, 1, tag.A - 1) + " " + text::From(t, tag.E + 1);
        outcome = Outcome::In;
    } else {
        rest = text::From(t, tag.E + 1);
        t = text::Copy(t, 1, tag.A - 1);
        outcome = Outcome::Out;
    }
    return true;
}

inline std::string TidyWhitespace(std::string t) {
    for (int run : {11, 8, 6, 3, 2}) {
        t = text::ReplaceAll(t, std::string(static_cast<std::size_t>(run), ' '), " ");
    }
    t = text::ReplaceAllRepeated(t, "\t\t", "\t");
    t = text::ReplaceAllRepeated(t, "\r\n\r\n", "\r\n");
    t = text::ReplaceAllRepeated(t, "\r\n \r\n", "\r\n");
    t = text::ReplaceAllRepeated(t, "\n\n", "\n");
    t = text::ReplaceAllRepeated(t, "\n \n", "\n");
    return t;
}

inline std::string LongestBlock(const std::string& source) {
    std::string t = TidyWhitespace(source);
    std::string best;
    std::string rest;
    Outcome outcome = Outcome::In;
    while (true) {
        if (!SplitAtNextTag(t, rest, outcome)) {
            return best;
        }
        const Index l = static_cast<Index>(best.size());
        if (outcome == Outcome::Out) {
            if (l < static_cast<Index>(t.size())) {
                best = t;
            }
            t = rest;
        }
        if (l > static_cast<Index>(rest.size())) {
            return best;
        }
    }
}

inline void FindOccurrences(const std::string& key, const std::string& body,
                            std::vector<Index>& occurrences) {
    occurrences.clear();
    Index at = text::Pos(key, body);
    while (at != 0) {
        occurrences.push_back(at);
        at = text::PosFrom(key, body, at + static_cast<Index>(key.size()));
    }
    if (occurrences.size() < 2) {
        return;
    }
    std::vector<Index> kept;
    for (Index p : occurrences) {
        const std::string tail = text::From(body, p);
        const Index a = text::Pos("<", tail);
        const Index b = text::Pos(">", tail);
        if (!(a > b)) {
            kept.push_back(p);
        }
    }
    occurrences = kept;
}

inline std::string ExtractBlockWithSnippet(const std::vector<Index>& occurrences,
                                           const std::string& body, const std::string& key,
                                           const std::string& replacement, bool replace) {
    std::string best;
    bool first = true;
    for (Index p : occurrences) {
        std::string candidate = ConvertBlock(text::From(body, p));
        if (replace) {
            candidate = text::ReplaceAll(candidate, key, replacement);
        }
        if (first || candidate.size() > best.size()) {
            best = candidate;
            first = false;
        }
    }
    return best;
}

inline std::string ExtractBlock(const std::vector<Index>& occurrences, const std::string& body) {
    return ExtractBlockWithSnippet(occurrences, body, {}, {}, false);
}

struct LocateResult {
    bool Found = false;
    std::string Strategy;
    std::string Text;
};

inline LocateResult LocateTextBlock(const std::string& snippet, const std::string& body,
                                    std::vector<Index>& occurrences) {
    const Index n = static_cast<Index>(snippet.size());
    struct Row {
        const char* Name;
        bool Tried;
        std::string Key;
        bool Replace;
        std::string Replacement;
    };
    const std::string head = text::Copy(snippet, 1, n - 32);
    const Row rows[] = {
        {"All", true, snippet, false, {}},
        {"Right 1/2", true, text::Copy(snippet, n - n / 2 + 1, n / 2), true, snippet},
        {"Right 1/4", true, text::Copy(snippet, n - n / 4 + 1, n / 4), true, snippet},
        {"Right 1/8", true, text::Copy(snippet, n - n / 8 + 1, n / 8), true, snippet},
        {"Right 1/16", n / 16 > 32, text::Copy(snippet, n - n / 16 + 1, n / 16), true, snippet},
        {"Right 1/32", n / 32 > 32, text::Copy(snippet, n - n / 32 + 1, n / 32), true, snippet},
        {"Left 1/2", true, text::Copy(snippet, 1, n / 2), false, {}},
        {"Left 1/4", true, text::Copy(snippet, 1, n / 4), false, {}},
        {"Left 1/8", true, text::Copy(snippet, 1, n / 8), false, {}},
        {"Left 1/16", n / 16 > 32, text::Copy(snippet, 1, n / 16), false, {}},
        {"Left 1/32", n / 32 > 32, text::Copy(snippet, 1, n / 32), false, {}},
        {"mid 1", n - 64 > 32, text::Copy(snippet, 32, n - 64), true, head},
        {"mid 2", n - 96 > 32, text::Copy(snippet, 64, n - 96), true, head},
    };
    for (const Row& row : rows) {
        if (!row.Tried) {
            continue;
        }
        FindOccurrences(row.Key, body, occurrences);
        if (!occurrences.empty()) {
            return {
                true, row.Name,
                ExtractBlockWithSnippet(occurrences, body, row.Key, row.Replacement, row.Replace)};
        }
    }
    return {};
}

} // namespace oracle

#include "extract/ClassWords.h"

#include <array>
#include <cstddef>
#include <string>

namespace lumbrant {

namespace {

// Words that mark what stands beside an article, matched as whole words.
constexpr std::array<std::string_view, 65> kBoilerplateWords{{
    "ad",         "ads",       "adv",          "advert",      "aside",      "author",
    "authorbox",  "banner",    "bio",          "biography",   "breadcrumb", "breadcrumbs",
    "byline",     "caption",   "citation",     "comment",     "comments",   "consent",
    "cookie",     "cookies",   "copyright",    "credit",      "credits",    "disclaimer",
    "disqus",     "dropdown",  "foot",         "footer",      "footnote",   "gdpr",
    "impressum",  "jump",      "kommentar",    "kommentare",  "login",      "masthead",
    "menu",       "meta",      "modal",        "nav",         "navbar",     "navigation",
    "newsletter", "outbrain",  "pager",        "pagination",  "popular",    "popup",
    "print",      "promo",     "rating",       "recommended", "related",    "share",
    "sharing",    "sidebar",   "signup",       "skip",        "social",     "sponsor",
    "sponsored",  "subscribe", "subscription", "taboola",     "tags",
}};

// Stems that mark it even inside a longer word ("relatedposts", "sharebar").
constexpr std::array<std::string_view, 20> kBoilerplateStems{{
    "advert",   "breadcrumb", "comment", "cookie",  "disqus",    "footer",   "newsletter",
    "outbrain", "paywall",    "popup",   "promo",   "recommend", "related",  "share",
    "sidebar",  "social",     "sponsor", "subscri", "taboola",   "trending",
}};

constexpr std::array<std::string_view, 20> kContentWords{{
    "article", "articlebody", "body",      "blog", "column",   "content",   "entry",
    "hentry",  "main",        "page",      "post", "postbody", "prose",     "richtext",
    "rte",     "story",       "storybody", "text", "wysiwyg",  "paragraph",
}};

constexpr std::array<std::string_view, 6> kHiddenNames{{
    "hidden",
    "sr-only",
    "screen-reader-text",
    "visually-hidden",
    "visuallyhidden",
    "offscreen",
}};

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& words, std::string_view word) {
    for (const std::string_view known : words) {
        if (known == word) {
            return true;
        }
    }
    return false;
}

template <std::size_t N>
bool HasStem(const std::array<std::string_view, N>& stems, std::string_view word) {
    for (const std::string_view stem : stems) {
        if (word.find(stem) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Calls take(word) for each lower-cased word of a name.
template <typename Take> void ForEachWord(std::string_view name, Take take) {
    std::string word;
    char previous = '\0';
    for (const char c : name) {
        const bool letterOrDigit = IsLower(c) || IsUpper(c) || IsDigit(c);
        if (!letterOrDigit || (IsUpper(c) && IsLower(previous))) {
            if (!word.empty()) {
                take(std::string_view(word));
            }
            word.clear();
        }
        if (letterOrDigit) {
            word += IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
        }
        previous = c;
    }
    if (!word.empty()) {
        take(std::string_view(word));
    }
}

// Calls take(name) for each blank-separated name of an attribute.
template <typename Take> void ForEachName(std::string_view attribute, Take take) {
    std::size_t start = 0;
    while (start < attribute.size()) {
        std::size_t end = attribute.find_first_of(" \t\r\n\f", start);
        if (end == std::string_view::npos) {
            end = attribute.size();
        }
        if (end > start) {
            take(attribute.substr(start, end - start));
        }
        start = end + 1;
    }
}

std::string Lower(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        if (IsUpper(c)) {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace

ClassHint HintOfName(std::string_view name) {
    bool boilerplate = false;
    bool content = false;
    ForEachWord(name, [&](std::string_view word) {
        if (Contains(kBoilerplateWords, word) ||
            (word.size() > 4 && HasStem(kBoilerplateStems, word))) {
            boilerplate = true;
        } else if (Contains(kContentWords, word)) {
            content = true;
        }
    });
    if (boilerplate) {
        return ClassHint::Boilerplate;
    }
    return content ? ClassHint::Content : ClassHint::Neutral;
}

int ClassBalance(std::string_view classAttribute, std::string_view id) {
    int balance = 0;
    const auto count = [&](std::string_view name) {
        switch (HintOfName(name)) {
        case ClassHint::Content:
            ++balance;
            break;
        case ClassHint::Boilerplate:
            --balance;
            break;
        default:
            break;
        }
    };
    ForEachName(classAttribute, count);
    ForEachName(id, count);
    return balance;
}

bool ClassHidesText(std::string_view classAttribute, std::string_view id) {
    bool hidden = false;
    const auto check = [&](std::string_view name) {
        hidden = hidden || Contains(kHiddenNames, std::string_view(Lower(name)));
    };
    ForEachName(classAttribute, check);
    ForEachName(id, check);
    return hidden;
}

} // namespace lumbrant

#include "feeds/FeedText.h"

#include "text/ByteText.h"
#include "text/Encoding.h"
#include "text/NamedCharacters.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace lumbrant {

namespace {

// A reference is at most this long from its "&" to its ";" (HTML5's
// longest name has 31 letters).
constexpr std::size_t kMaxReference = 34;
constexpr char32_t kNoBreakSpace = 0xA0;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The character of a numeric reference's digits ("#39", "#x2019"), or 0 for
// none: NUL, surrogates and numbers past Unicode name no character.
char32_t NumericCharacter(std::string_view digits) {
    const bool hex = digits.size() > 1 && (digits[1] == 'x' || digits[1] == 'X');
    digits.remove_prefix(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return code;
}

// The text a reference body (between "&" and ";") stands for, or nothing.
std::optional<std::string> ReferenceText(std::string_view body) {
    if (!body.empty() && body.front() == '#') {
        const char32_t code = NumericCharacter(body);
        if (code == 0) {
            return std::nullopt;
        }
        std::string character;
        text::AppendUtf8(character, code == kNoBreakSpace ? U' ' : code);
        return character;
    }
    if (body == "nbsp") {
        return std::string(" ");
    }
    if (const text::NamedCharacter* named = text::FindNamedCharacter(body)) {
        return text::NamedCharacterText(*named);
    }
    return std::nullopt;
}

// The end (one past the last character) of the tag or comment that starts at
// open, or npos when the "<" there opens none. lastClose is the position of
// the text's last ">", so that a "<" after it costs no search.
std::size_t TagEnd(std::string_view html, std::size_t open, std::size_t lastClose) {
    if (html.compare(open, 4, "<!--") == 0) {
        const std::size_t close = html.find("-->", open + 4);
        return close == std::string_view::npos ? html.size() : close + 3;
    }
    const char next = open + 1 < html.size() ? html[open + 1] : '\0';
    if ((!text::IsAsciiLetter(next) && next != '/' && next != '!' && next != '?') ||
        lastClose == std::string_view::npos || lastClose < open) {
        return std::string_view::npos;
    }
    const std::size_t close = html.find('>', open + 1);
    return close == std::string_view::npos ? std::string_view::npos : close + 1;
}

// The start of the first "</name" at or after from, letter case aside, or npos.
std::size_t FindEndTag(std::string_view html, std::string_view name, std::size_t from) {
    for (std::size_t at = html.find("</", from); at != std::string_view::npos;
         at = html.find("</", at + 2)) {
        if (text::EqualsIgnoreCase(html.substr(at + 2, name.size()), name)) {
            return at;
        }
    }
    return std::string_view::npos;
}

// For a script or style start tag, the end of its element; otherwise tagEnd.
std::size_t ElementEnd(std::string_view html, std::size_t open, std::size_t tagEnd) {
    for (const std::string_view name : {"script", "style"}) {
        const std::size_t after = open + 1 + name.size();
        if (!text::EqualsIgnoreCase(html.substr(open + 1, name.size()), name) ||
            (after < html.size() && text::IsAsciiLetter(html[after]))) {
            continue;
        }
        const std::size_t close = FindEndTag(html, name, tagEnd);
        const std::size_t closeEnd =
            close == std::string_view::npos ? close : html.find('>', close);
        return closeEnd == std::string_view::npos ? html.size() : closeEnd + 1;
    }
    return tagEnd;
}

} // namespace

std::string HtmlToPlainText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    const std::size_t lastClose = html.rfind('>');
    std::size_t at = 0;
    while (at < html.size()) {
        const char c = html[at];
        if (c == '<') {
            const std::size_t end = TagEnd(html, at, lastClose);
            if (end != std::string_view::npos) {
                out += ' ';
                at = ElementEnd(html, at, end);
                continue;
            }
        } else if (c == '&') {
            const std::size_t semicolon = html.substr(at, kMaxReference).find(';');
            if (semicolon != std::string_view::npos) {
                if (const auto decoded = ReferenceText(html.substr(at + 1, semicolon - 1))) {
                    out += *decoded;
                    at += semicolon + 1;
                    continue;
                }
            }
        }
        out += c;
        ++at;
    }
    return out;
}

std::string FoldBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out += ' ';
            pendingBlank = false;
        }
        out += c;
    }
    return out;
}

std::string AsPageText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace lumbrant

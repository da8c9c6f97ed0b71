#include "feeds/FeedEncoding.h"

#include "text/ByteText.h"
#include "text/Encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumbrant {

namespace {

struct BytePattern {
    std::string_view Bytes;
    std::string_view Encoding;
    bool IsMark; // a byte-order mark, not part of the text
};

// Byte-order marks first, the longer before the shorter that starts it;
// then "<" (or "<?") in the encodings whose ASCII has zero bytes.
constexpr std::array<BytePattern, 9> kPatterns{{
    {std::string_view("\x00\x00\xFE\xFF", 4), "UTF-32BE", true},
    {std::string_view("\xFF\xFE\x00\x00", 4), "UTF-32LE", true},
    {"\xEF\xBB\xBF", "UTF-8", true},
    {"\xFE\xFF", "UTF-16BE", true},
    {"\xFF\xFE", "UTF-16LE", true},
    {std::string_view("\x00\x00\x00<", 4), "UTF-32BE", false},
    {std::string_view("<\x00\x00\x00", 4), "UTF-32LE", false},
    {std::string_view("\x00<", 2), "UTF-16BE", false},
    {std::string_view("<\x00", 2), "UTF-16LE", false},
}};

constexpr std::string_view kUtf8 = "UTF-8";
constexpr std::string_view kFallback = "windows-1252";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDeclarationStart = "<?xml";
constexpr std::string_view kCanonicalDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
// An XML declaration that does not end within this many bytes is none.
constexpr std::size_t kLongestDeclaration = 1024;

bool IsXmlBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Declaration {
    std::size_t End = 0; // one past its "?>"
    std::string_view Encoding;
};

// The XML declaration at the start of the text, when there is one, and the
// value of its encoding pseudo-attribute (empty when it names none).
std::optional<Declaration> DeclarationAtStart(std::string_view text) {
    if (!text.starts_with(kDeclarationStart) || text.size() <= kDeclarationStart.size() ||
        !IsXmlBlank(text[kDeclarationStart.size()])) {
        return std::nullopt;
    }
    const std::size_t close = text.substr(0, kLongestDeclaration).find("?>");
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    Declaration declaration{close + 2, {}};
    const std::string_view inside = text.substr(0, close);
    std::size_t at = inside.find("encoding");
    if (at == std::string_view::npos) {
        return declaration;
    }
    at += 8;
    const auto skipBlanks = [&] {
        while (at < inside.size() && IsXmlBlank(inside[at])) {
            ++at;
        }
    };
    skipBlanks();
    if (at >= inside.size() || inside[at] != '=') {
        return declaration;
    }
    ++at;
    skipBlanks();
    if (at >= inside.size() || (inside[at] != '"' && inside[at] != '\'')) {
        return declaration;
    }
    const std::size_t valueEnd = inside.find(inside[at], at + 1);
    if (valueEnd != std::string_view::npos) {
        declaration.Encoding = inside.substr(at + 1, valueEnd - at - 1);
    }
    return declaration;
}

// How far bytes beyond ASCII read as UTF-8: every run of such bytes
// between ASCII ones is one sequence of characters, well-formed or not.
struct Utf8Evidence {
    std::size_t Good = 0;
    std::size_t Bad = 0;
};

Utf8Evidence WeighUtf8(std::string_view bytes) {
    Utf8Evidence evidence;
    const auto ascii = [](char c) { return static_cast<std::uint8_t>(c) < 0x80; };
    auto at = bytes.begin();
    while (true) {
        const auto start = std::find_if_not(at, bytes.end(), ascii);
        if (start == bytes.end()) {
            return evidence;
        }
        at = std::find_if(start, bytes.end(), ascii);
        const std::string_view run(&*start, static_cast<std::size_t>(at - start));
        ++(text::IsValidUtf8(run) ? evidence.Good : evidence.Bad);
    }
}

// True when the encoding reads markup in ASCII as ASCII, as any encoding of
// a document whose bytes read as ASCII must (UTF-16, UTF-32 and EBCDIC do
// not: a name of theirs there is contradicted by the bytes).
bool KeepsAscii(const std::string& encoding) {
    constexpr std::string_view kMarkup = "<?xml version=\"1.0\"?><a b='c'>&#38;</a>";
    return text::DecodeToUtf8(kMarkup, encoding) == kMarkup;
}

// The text from its first "<?xml" on when only blanks or byte-order marks
// stand before it, else the text itself.
std::string_view FromDeclaration(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsXmlBlank(text[at])) {
            ++at;
        } else if (text.substr(at).starts_with(kByteOrderMark)) {
            at += kByteOrderMark.size();
        } else {
            break;
        }
    }
    return text.substr(at).starts_with(kDeclarationStart) ? text.substr(at) : text;
}

// The encoding of bytes that read as ASCII, from the names given for it.
std::string EncodingOfAsciiBytes(std::string_view bytes, std::string_view httpCharset) {
    std::vector<std::string> names;
    const std::string_view declared =
        DeclarationAtStart(FromDeclaration(bytes)).value_or(Declaration{}).Encoding;
    for (const std::string_view label : {httpCharset, declared}) {
        std::string name = text::EncodingForAnyLabel(label);
        if (!name.empty() && KeepsAscii(name)) {
            names.push_back(std::move(name));
        }
    }
    const Utf8Evidence evidence = WeighUtf8(bytes);
    const bool namesUtf8 = std::find(names.begin(), names.end(), kUtf8) != names.end();
    if (namesUtf8 && evidence.Good > 0 && evidence.Bad == 0) {
        return std::string(kUtf8);
    }
    // UTF-8 that the bytes break gives way to another name; when it is the
    // only one, it stands if most of the bytes beyond ASCII are UTF-8.
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (names[at] != kUtf8 || evidence.Bad == 0) {
            return names[at];
        }
        if (at + 1 == names.size()) {
            return std::string(evidence.Bad > evidence.Good ? kFallback : kUtf8);
        }
    }
    return std::string(evidence.Bad == 0 ? kUtf8 : kFallback);
}

// XML's characters only: C0 controls other than tab, line feed and
// carriage return are dropped, U+FFFE and U+FFFF become U+FFFD.
void AppendXmlCharacters(std::string& out, std::string_view text) {
    constexpr std::string_view kNonCharacterStart = "\xEF\xBF";
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            continue;
        }
        if (byte == 0xEF && text.substr(at, 2) == kNonCharacterStart && at + 2 < text.size() &&
            (text[at + 2] == '\xBE' || text[at + 2] == '\xBF')) {
            out += "\xEF\xBF\xBD";
            at += 2;
            continue;
        }
        out += text[at];
    }
}

std::string AsXmlUtf8(std::string_view decoded) {
    std::string_view text = FromDeclaration(decoded);
    std::string out;
    out.reserve(text.size() + kCanonicalDeclaration.size());
    if (const auto declaration = DeclarationAtStart(text)) {
        out += kCanonicalDeclaration;
        const std::string_view old = text.substr(0, declaration->End);
        out.append(static_cast<std::size_t>(std::count(old.begin(), old.end(), '\n')), '\n');
        text.remove_prefix(declaration->End);
    }
    AppendXmlCharacters(out, text);
    return out;
}

} // namespace

Utf8Feed FeedAsUtf8(std::string_view bytes, std::string_view httpCharset) {
    for (const BytePattern& pattern : kPatterns) {
        if (bytes.starts_with(pattern.Bytes)) {
            const std::string_view body =
                pattern.IsMark ? bytes.substr(pattern.Bytes.size()) : bytes;
            return {AsXmlUtf8(text::DecodeToUtf8(body, pattern.Encoding)),
                    std::string(pattern.Encoding)};
        }
    }
    std::string encoding = EncodingOfAsciiBytes(bytes, httpCharset);
    return {AsXmlUtf8(text::DecodeToUtf8(bytes, encoding)), std::move(encoding)};
}

} // namespace lumbrant

#include "text/Encoding.h"

#include "text/ByteText.h"
#include "text/SystemDecoding.h"

#include <cstdint>

namespace text {

std::string_view CharsetOfContentType(std::string_view contentType) {
    const std::string lower = AsciiLower(contentType);
    const std::size_t at = lower.find("charset");
    if (at == std::string::npos) {
        return contentType.find('/') == std::string_view::npos &&
                       contentType.find(';') == std::string_view::npos
                   ? contentType
                   : std::string_view();
    }
    std::size_t start = lower.find_first_not_of(" \t", at + 7);
    if (start == std::string::npos || lower[start] != '=') {
        return {};
    }
    start = lower.find_first_not_of(" \t", start + 1);
    if (start == std::string::npos) {
        return {};
    }
    if (lower[start] == '"' || lower[start] == '\'') {
        const std::size_t close = lower.find(lower[start], start + 1);
        return close == std::string::npos ? std::string_view()
                                          : contentType.substr(start + 1, close - start - 1);
    }
    const std::size_t end = lower.find_first_of("; \t", start);
    return contentType.substr(start,
                              end == std::string::npos ? std::string_view::npos : end - start);
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// UTF-16 in the given byte order; an odd last byte and an unpaired
// surrogate become U+FFFD.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<std::uint8_t>(bytes[at]);
        const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
        return bigEndian ? static_cast<char32_t>(first << 8 | second)
                         : static_cast<char32_t>(second << 8 | first);
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, code >= 0xD800 && code <= 0xDFFF ? kReplacement : code);
    }
    if (at < bytes.size()) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

// windows-1252's bytes 0x80 to 0x9F; the others stand for the character of
// their own number.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// UTF-32 in the given byte order; incomplete last bytes become U+FFFD, as
// does a number that names no character.
std::string DecodeUtf32(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    for (; at + 3 < bytes.size(); at += 4) {
        char32_t code = 0;
        for (std::size_t byte = 0; byte < 4; ++byte) {
            const auto value = static_cast<std::uint8_t>(bytes[at + (bigEndian ? byte : 3 - byte)]);
            code = code << 8 | value;
        }
        AppendUtf8(out, code);
    }
    if (at < bytes.size()) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

// An encoding's name as XML writes one: a letter, then letters, digits,
// ".", "_" and "-"; no longer than any real one.
bool IsEncodingName(std::string_view name) {
    constexpr std::size_t kLongest = 40;
    if (name.empty() || name.size() > kLongest || !IsAsciiLetter(name.front())) {
        return false;
    }
    for (const char c : name) {
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '.' && c != '_' && c != '-') {
            return false;
        }
    }
    return true;
}

std::string DecodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

} // namespace

std::string EncodingForAnyLabel(std::string_view label) {
    const std::string_view web = EncodingForLabel(label);
    if (!web.empty()) {
        return std::string(web);
    }
    const std::string name(Trimmed(label, " \t\n\f\r"));
    if (!IsEncodingName(name)) {
        return {};
    }
    for (const std::string_view utf32 : {"UTF-32LE", "UTF-32BE"}) {
        if (EqualsIgnoreCase(name, utf32)) {
            return std::string(utf32);
        }
    }
    if (EqualsIgnoreCase(name, "UTF-32") || EqualsIgnoreCase(name, "UCS-4")) {
        return "UTF-32BE";
    }
    return !name.empty() && SystemKnowsEncoding(name) ? name : std::string();
}

std::string DecodeToUtf8(std::string_view bytes, std::string_view encoding) {
    if (encoding == "UTF-8") {
        return RepairUtf8(bytes);
    }
    if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
        return DecodeUtf16(bytes, encoding == "UTF-16BE");
    }
    if (encoding == "UTF-32LE" || encoding == "UTF-32BE") {
        return DecodeUtf32(bytes, encoding == "UTF-32BE");
    }
    if (encoding.empty() || encoding == "windows-1252") {
        return DecodeWindows1252(bytes);
    }
    std::string out;
    if (DecodeWithSystem(bytes, encoding, out)) {
        return RepairUtf8(out);
    }
    return DecodeWindows1252(bytes);
}

} // namespace text

#include "text/Encoding.h"

#include "text/SystemDecoding.h"

#include <cstdint>

namespace text {

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

std::string DecodeToUtf8(std::string_view bytes, std::string_view encoding) {
    if (encoding == "UTF-8") {
        return RepairUtf8(bytes);
    }
    if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
        return DecodeUtf16(bytes, encoding == "UTF-16BE");
    }
    if (encoding.empty() || encoding == "windows-1252" || EncodingForLabel(encoding).empty()) {
        return DecodeWindows1252(bytes);
    }
    std::string out;
    if (DecodeWithSystem(bytes, encoding, out)) {
        return RepairUtf8(out);
    }
    return DecodeWindows1252(bytes);
}

} // namespace text

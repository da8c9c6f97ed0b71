#include "text/ByteText.h"

#include <algorithm>
#include <stdexcept>

namespace text {

Index Pos(std::string_view needle, std::string_view hay) {
    return PosFrom(needle, hay, 1);
}

Index PosFrom(std::string_view needle, std::string_view hay, Index from) {
    if (needle.empty()) {
        return 0;
    }
    const std::size_t start = from < 1 ? 0 : static_cast<std::size_t>(from - 1);
    if (start > hay.size()) {
        return 0;
    }
    const std::size_t found = hay.find(needle, start);
    return found == std::string_view::npos ? 0 : static_cast<Index>(found) + 1;
}

std::string Copy(std::string_view s, Index start, Index count) {
    if (start < 1) {
        start = 1;
    }
    if (count <= 0 || start > static_cast<Index>(s.size())) {
        return {};
    }
    const std::size_t offset = static_cast<std::size_t>(start - 1);
    const std::size_t length = std::min(static_cast<std::size_t>(count), s.size() - offset);
    return std::string(s.substr(offset, length));
}

std::string From(std::string_view s, Index start) {
    return Copy(s, start, static_cast<Index>(s.size()) + 1);
}

std::string ReplaceAll(std::string_view s, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) {
        return std::string(s);
    }
    std::string out;
    out.reserve(s.size());
    std::size_t at = 0;
    while (true) {
        const std::size_t found = s.find(pattern, at);
        if (found == std::string_view::npos) {
            out.append(s.substr(at));
            return out;
        }
        out.append(s.substr(at, found - at));
        out.append(replacement);
        at = found + pattern.size();
    }
}

std::string ReplaceAllRepeated(std::string s, std::string_view pattern,
                               std::string_view replacement) {
    if (pattern.empty()) {
        return s;
    }
    if (replacement.size() >= pattern.size()) {
        throw std::invalid_argument(
            "ReplaceAllRepeated needs a replacement shorter than its pattern");
    }
    while (s.find(pattern) != std::string::npos) {
        s = ReplaceAll(s, pattern, replacement);
    }
    return s;
}

std::string NormalizeLines(std::string_view s) {
    const std::size_t nul = s.find('\0');
    if (nul != std::string_view::npos) {
        s = s.substr(0, nul);
    }
    std::string out;
    out.reserve(s.size() + s.size() / 32 + 2);
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t end = s.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            out.append(s.substr(i));
            out.append("\r\n");
            break;
        }
        out.append(s.substr(i, end - i));
        out.append("\r\n");
        i = end + 1;
        if (s[end] == '\r' && i < s.size() && s[i] == '\n') {
            ++i;
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view s, std::string_view blanks) {
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

bool IsWebAddress(std::string_view address) {
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (EqualsIgnoreCase(address.substr(0, scheme.size()), scheme)) {
            return true;
        }
    }
    return false;
}

} // namespace text

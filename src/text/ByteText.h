#pragma once

// Byte-string helpers with 1-based positions. Texts are handled as the bytes
// arrived; nothing is decoded. A search answers 0 when nothing is found, and
// the empty text is never found. Copies are clamped so that cutting a page
// can never fail.

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

using Index = std::ptrdiff_t;

// 1-based position of the first occurrence of needle in hay, or 0.
Index Pos(std::string_view needle, std::string_view hay);

// 1-based position of the first occurrence of needle in hay at or after from (1-based), or 0.
Index PosFrom(std::string_view needle, std::string_view hay, Index from);

// Copy of s from start for count characters: a start below 1 counts as 1, a
// negative count as 0, and the copy stops at the end of s.
std::string Copy(std::string_view s, Index start, Index count);

// Copy of s from start to its end (clamped like Copy).
std::string From(std::string_view s, Index start);

// Replaces every occurrence of pattern, left to right, without overlap and
// without looking again at what was inserted. An empty pattern changes nothing.
std::string ReplaceAll(std::string_view s, std::string_view pattern, std::string_view replacement);

// ReplaceAll repeated until pattern no longer occurs. The replacement must be
// shorter than the pattern, so that the loop always ends.
std::string ReplaceAllRepeated(std::string s, std::string_view pattern,
                               std::string_view replacement);

// The text read as lines (a line ends at CR, LF or CR LF; a NUL ends the text)
// and joined again with every line, the last included, ended by CR LF.
std::string NormalizeLines(std::string_view s);

// s without the blanks at its start and end; the empty text when it is all blanks.
std::string_view Trimmed(std::string_view s, std::string_view blanks = " \t");

// ASCII-only lower case (A to Z); other bytes are kept.
std::string AsciiLower(std::string_view s);

// True for the ASCII letters A to Z and a to z.
constexpr bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The value 0 to 15 of a hexadecimal digit, or -1 for any other character.
int HexDigitValue(char c);

// True when a and b are equal, ignoring the case of ASCII letters.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// True when the address's scheme is http or https, letter case aside.
bool IsWebAddress(std::string_view address);

} // namespace text

#pragma once

// Texts in the encodings that web pages and feeds declare, turned into
// UTF-8. Encodings are named as the web's encoding standard names them
// ("UTF-8", "windows-1252", "Shift_JIS", ...), a declared label first turned
// into that name; a feed may also name one of the system's own converters
// (EncodingForAnyLabel). Decoding never fails: a byte that does not belong
// to the encoding becomes U+FFFD.

#include <string>
#include <string_view>

namespace text {

// The name of the encoding that a declared label stands for, letter case
// and surrounding blanks aside: "latin1", "iso-8859-1" and "ascii" are
// "windows-1252", "utf8" is "UTF-8". Empty for a label of no encoding.
std::string_view EncodingForLabel(std::string_view label);

// The charset parameter of a Content-Type value ("text/html; charset=utf-8"
// gives "utf-8"), or the whole value when it has no parameter and no "/".
std::string_view CharsetOfContentType(std::string_view contentType);

// The name of the encoding that a label of any encoding stands for, as an
// XML document may declare it: the web's name for the web's labels, the
// label itself when the system has a converter of that name (iconv's names
// on Linux, "cp<N>", "ibm<N>" and "windows-<N>" code pages on Windows), and
// "UTF-32LE" or "UTF-32BE" for those. Empty when nothing here knows it.
std::string EncodingForAnyLabel(std::string_view label);

// The bytes, in the named encoding, as UTF-8. A name that neither
// EncodingForLabel nor EncodingForAnyLabel gives (the empty name too) reads
// as windows-1252.
std::string DecodeToUtf8(std::string_view bytes, std::string_view encoding);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// The bytes with every sequence that is not well-formed UTF-8 made U+FFFD.
std::string RepairUtf8(std::string_view bytes);

// Appends the UTF-8 form of a character; a surrogate or a number past
// Unicode appends U+FFFD.
void AppendUtf8(std::string& out, char32_t character);

} // namespace text

#pragma once

// The program's byte texts as Windows' wide characters and back: in the
// system's code page where nothing else is named (paths, addresses, window
// texts), in UTF-8 for what is read as UTF-8.

#include <string>
#include <string_view>

namespace text {

inline constexpr unsigned kSystemCodePage = 0;   // CP_ACP
inline constexpr unsigned kUtf8CodePage = 65001; // CP_UTF8

// Empty for an empty text and for a code page the system does not have;
// what the code page cannot read or write becomes U+FFFD or its default character.
std::wstring ToWide(std::string_view bytes, unsigned codePage = kSystemCodePage);
std::string FromWide(std::wstring_view text, unsigned codePage = kSystemCodePage);

} // namespace text

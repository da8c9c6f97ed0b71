#pragma once

// The system's own converters behind DecodeToUtf8: iconv on Linux
// (SystemDecodingIconv.cpp), the code pages of Windows
// (SystemDecodingWin.cpp). Only for the encodings that Encoding.cpp does not
// decode itself; never fails, never throws for what the bytes hold.

#include <string>
#include <string_view>

namespace text {

// The bytes in the named encoding (a name of EncodingForLabel) as UTF-8, or
// false when the system knows no converter for that encoding.
bool DecodeWithSystem(std::string_view bytes, std::string_view encoding, std::string& out);

// True when the system has a converter for the named encoding, a name of
// EncodingForLabel or one of the system's own.
bool SystemKnowsEncoding(std::string_view encoding);

} // namespace text

#pragma once

// A page's bytes as UTF-8, in the encoding the web would read them in: a
// byte-order mark first, then the charset of the HTTP answer, then a
// <meta charset> or http-equiv Content-Type in the first 1,024 bytes. A page
// that declares nothing is read as UTF-8 when its bytes are well-formed
// UTF-8, otherwise as windows-1252.

#include <string>
#include <string_view>

namespace lumbrant {

struct DecodedPage {
    std::string Text;     // UTF-8, always well-formed
    std::string Encoding; // the encoding it was read in
};

DecodedPage DecodePage(std::string_view bytes, std::string_view httpCharset);

// The encoding that the <meta> elements of a page's first 1,024 bytes
// declare, or empty (the prescan of the web's HTML parsing rules, without
// a tree: comments are passed over, attributes read as the tokenizer
// would).
std::string_view PrescanEncoding(std::string_view bytes);

} // namespace lumbrant

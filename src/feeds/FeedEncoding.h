#pragma once

// A feed's bytes as the UTF-8 text that the XML reader reads. The encoding
// is found as XML's own rules find it: a byte-order mark first; then the
// pattern of the first bytes (UTF-16 and UTF-32 are told by the zero bytes
// around "<"); in bytes that read as ASCII, the charset of the HTTP answer
// before the encoding that the XML declaration names. A name that the
// bytes contradict (UTF-16 or UTF-32 on ASCII-compatible bytes, UTF-8 on
// bytes that are no UTF-8 while another name is given) is passed over, and
// so is a name that nothing here can decode. Bytes that are well-formed
// UTF-8 with characters beyond ASCII are read as UTF-8 whenever either
// name says UTF-8. Without a usable name the bytes are UTF-8 when they
// are well-formed UTF-8, else windows-1252.

#include <string>
#include <string_view>

namespace lumbrant {

struct Utf8Feed {
    // The document in UTF-8. Its XML declaration, when it had one, is now
    // '<?xml version="1.0" encoding="UTF-8"?>' (followed by the line breaks
    // the old one held); blanks before that declaration are gone, and so
    // are the control characters that XML forbids (U+FFFE and U+FFFF
    // become U+FFFD).
    std::string Text;
    // The encoding its bytes were read in, as text/Encoding names it.
    std::string Encoding;
};

Utf8Feed FeedAsUtf8(std::string_view bytes, std::string_view httpCharset);

} // namespace lumbrant

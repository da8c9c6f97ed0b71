#include "extract/PageDecoding.h"
#include "text/ByteText.h"
#include "text/Encoding.h"

#include <string>

namespace lumbrant {

namespace {

constexpr std::size_t kPrescanBytes = 1024;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

struct Attribute {
    std::string Name;
    std::string Value;
};

// Reads the attribute at at (after blanks and slashes); false at the tag's
// end. at moves past what was read.
bool NextAttribute(std::string_view bytes, std::size_t& at, Attribute& attribute) {
    attribute = {};
    while (at < bytes.size() && (IsSpace(bytes[at]) || bytes[at] == '/')) {
        ++at;
    }
    if (at >= bytes.size() || bytes[at] == '>') {
        return false;
    }
    while (at < bytes.size() && bytes[at] != '=' && bytes[at] != '>' && bytes[at] != '/' &&
           !IsSpace(bytes[at])) {
        attribute.Name += text::AsciiLower(bytes.substr(at, 1));
        ++at;
    }
    while (at < bytes.size() && IsSpace(bytes[at])) {
        ++at;
    }
    if (at >= bytes.size() || bytes[at] != '=') {
        return true;
    }
    ++at;
    while (at < bytes.size() && IsSpace(bytes[at])) {
        ++at;
    }
    if (at < bytes.size() && (bytes[at] == '"' || bytes[at] == '\'')) {
        const char quote = bytes[at++];
        const std::size_t close = bytes.find(quote, at);
        const std::size_t end = close == std::string_view::npos ? bytes.size() : close;
        attribute.Value = text::AsciiLower(bytes.substr(at, end - at));
        at = end + 1;
        return true;
    }
    while (at < bytes.size() && !IsSpace(bytes[at]) && bytes[at] != '>') {
        attribute.Value += text::AsciiLower(bytes.substr(at, 1));
        ++at;
    }
    return true;
}

// The encoding label after "charset=" in a content attribute, or empty.
std::string_view CharsetInContent(std::string_view content) {
    std::size_t at = content.find("charset");
    while (at != std::string_view::npos) {
        std::size_t next = at + 7;
        while (next < content.size() && IsSpace(content[next])) {
            ++next;
        }
        if (next < content.size() && content[next] == '=') {
            ++next;
            while (next < content.size() && IsSpace(content[next])) {
                ++next;
            }
            if (next < content.size() && (content[next] == '"' || content[next] == '\'')) {
                const char quote = content[next++];
                const std::size_t close = content.find(quote, next);
                return close == std::string_view::npos ? std::string_view()
                                                       : content.substr(next, close - next);
            }
            const std::size_t end = content.find_first_of("; \t\n\f\r", next);
            return content.substr(next, end == std::string_view::npos ? end : end - next);
        }
        at = content.find("charset", next);
    }
    return {};
}

// The encoding a <meta> whose attributes start at at declares, or empty.
std::string_view MetaEncoding(std::string_view bytes, std::size_t& at) {
    bool httpEquivContentType = false;
    std::string charset;
    std::string content;
    Attribute attribute;
    while (NextAttribute(bytes, at, attribute)) {
        if (attribute.Name == "http-equiv") {
            httpEquivContentType = attribute.Value == "content-type";
        } else if (attribute.Name == "charset" && charset.empty()) {
            charset = attribute.Value;
        } else if (attribute.Name == "content" && content.empty()) {
            content = attribute.Value;
        }
    }
    std::string_view encoding = text::EncodingForLabel(charset);
    if (encoding.empty() && httpEquivContentType) {
        encoding = text::EncodingForLabel(CharsetInContent(content));
    }
    // A page cannot declare itself UTF-16 in bytes that are read as ASCII.
    if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
        return "UTF-8";
    }
    return encoding;
}

} // namespace

std::string_view PrescanEncoding(std::string_view bytes) {
    bytes = bytes.substr(0, kPrescanBytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t open = bytes.find('<', at);
        if (open == std::string_view::npos) {
            break;
        }
        at = open + 1;
        if (bytes.compare(open, 4, "<!--") == 0) {
            const std::size_t close = bytes.find("-->", open + 4);
            at = close == std::string_view::npos ? bytes.size() : close + 3;
            continue;
        }
        if (text::EqualsIgnoreCase(bytes.substr(open + 1, 4), "meta") && open + 5 < bytes.size() &&
            (IsSpace(bytes[open + 5]) || bytes[open + 5] == '/')) {
            at = open + 5;
            const std::string_view encoding = MetaEncoding(bytes, at);
            if (!encoding.empty()) {
                return encoding;
            }
            continue;
        }
        if (at < bytes.size() && (text::IsAsciiLetter(bytes[at]) || bytes[at] == '/')) {
            // Another tag: its attributes are passed over as the tokenizer reads them.
            while (at < bytes.size() && !IsSpace(bytes[at]) && bytes[at] != '>') {
                ++at;
            }
            Attribute ignored;
            while (NextAttribute(bytes, at, ignored)) {
            }
        } else if (at < bytes.size() && (bytes[at] == '!' || bytes[at] == '?')) {
            const std::size_t close = bytes.find('>', at);
            at = close == std::string_view::npos ? bytes.size() : close + 1;
        }
    }
    return {};
}

} // namespace lumbrant

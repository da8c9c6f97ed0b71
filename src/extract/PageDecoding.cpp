#include "extract/PageDecoding.h"

#include "text/ByteText.h"
#include "text/Encoding.h"

namespace lumbrant {

namespace {

struct ByteOrderMark {
    std::string_view Bytes;
    std::string_view Encoding;
};

constexpr ByteOrderMark kByteOrderMarks[] = {
    {"\xEF\xBB\xBF", "UTF-8"},
    {"\xFE\xFF", "UTF-16BE"},
    {"\xFF\xFE", "UTF-16LE"},
};

} // namespace

std::string_view CharsetOfContentType(std::string_view contentType) {
    const std::string lower = text::AsciiLower(contentType);
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

DecodedPage DecodePage(std::string_view bytes, std::string_view httpCharset) {
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (bytes.substr(0, mark.Bytes.size()) == mark.Bytes) {
            return {text::DecodeToUtf8(bytes.substr(mark.Bytes.size()), mark.Encoding),
                    std::string(mark.Encoding)};
        }
    }
    std::string_view encoding = text::EncodingForLabel(CharsetOfContentType(httpCharset));
    if (encoding.empty()) {
        encoding = PrescanEncoding(bytes);
    }
    if (encoding.empty()) {
        encoding = text::IsValidUtf8(bytes) ? "UTF-8" : "windows-1252";
    }
    return {text::DecodeToUtf8(bytes, encoding), std::string(encoding)};
}

} // namespace lumbrant

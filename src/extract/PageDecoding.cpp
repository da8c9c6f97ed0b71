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

DecodedPage DecodePage(std::string_view bytes, std::string_view httpCharset) {
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (bytes.substr(0, mark.Bytes.size()) == mark.Bytes) {
            return {text::DecodeToUtf8(bytes.substr(mark.Bytes.size()), mark.Encoding),
                    std::string(mark.Encoding)};
        }
    }
    std::string_view encoding = text::EncodingForLabel(text::CharsetOfContentType(httpCharset));
    if (encoding.empty()) {
        encoding = PrescanEncoding(bytes);
    }
    if (encoding.empty()) {
        encoding = text::IsValidUtf8(bytes) ? "UTF-8" : "windows-1252";
    }
    return {text::DecodeToUtf8(bytes, encoding), std::string(encoding)};
}

} // namespace lumbrant

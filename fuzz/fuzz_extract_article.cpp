// The article extractor on arbitrary pages: no crash, no stall, and every
// answer is consistent: an article has text, valid UTF-8, and no blank
// line run longer than one; nothing found has a reason and no text. The
// first byte picks the HTTP charset, the next ones become the summary.

#include "extract/ArticleExtractor.h"
#include "text/Encoding.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 6> kCharsets = {
    "", "utf-8", "text/html; charset=windows-1251", "Shift_JIS", "utf-16", "nonsense",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) {
        return 0;
    }
    const std::string_view charset =
        kCharsets[static_cast<unsigned char>(input[0]) % kCharsets.size()];
    input.remove_prefix(1);
    const std::string_view summary = input.substr(0, input.size() / 8);
    const lumbrant::ExtractedArticle article =
        lumbrant::ExtractArticle(input, charset, summary, summary.substr(0, summary.size() / 2));
    if (!text::IsValidUtf8(article.Text) || !text::IsValidUtf8(lumbrant::SummaryText(input))) {
        std::abort();
    }
    if (article.Found == lumbrant::ExtractedArticle::Kind::Article) {
        if (article.Text.empty() || article.Text.find("\r\n\r\n\r\n") != std::string::npos) {
            std::abort();
        }
    } else if (!article.Text.empty() || article.Reason.empty()) {
        std::abort();
    }
    return 0;
}

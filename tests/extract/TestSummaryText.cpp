#include "extract/ArticleExtractor.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

TEST(SummaryText, TurnsAFeedSummaryIntoOneLineOfPlainText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Plain words", "Plain words"},
        {"<p>First &quot;line&quot;</p>\n<p>second&nbsp;line</p>", "First \"line\" second line"},
        {"Tom &amp; Jerry&#8217;s &lt;b&gt;night&lt;/b&gt;", "Tom & Jerry\u2019s <b>night</b>"},
        {"<img src=\"x.jpg\"> Caf\xC3\xA9 <script>alert('x')</script>opens<br>today",
         "Caf\u00E9 opens today"},
        {"  blanks \t\r\n folded  ", "blanks folded"},
        {"broken \xC3( bytes", "broken \uFFFD( bytes"},
        {"", ""},
    };
    for (const auto& [summary, expected] : cases) {
        EXPECT_EQ(SummaryText(summary), expected) << summary;
    }
}

} // namespace
} // namespace lumbrant

#include "extract/PageMetadata.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

struct MetadataCase {
    std::string Head;
    std::string Title;
    std::string Description;
};

TEST(PageMetadata, ReadsTheTitleAndSummaryThatAPageGivesOfItself) {
    const std::vector<MetadataCase> cases = {
        {"<title>Harbour | Daily</title><meta name=\"description\" content=\"The plan, "
         "approved.\">",
         "Harbour | Daily", "The plan, approved."},
        {"<title>Harbour | Daily</title><meta property=\"og:title\" content=\"Harbour plan\">"
         "<meta property=\"og:description\" content=\"Second &amp; last\">",
         "Harbour plan", "Second & last"},
        {"<meta name=\"Description\" content=\"  Folded \n blanks  \"><meta "
         "property=\"og:description\" content=\"not this\">",
         "", "Folded blanks"},
        {"<meta charset=\"windows-1252\"><title>Caf\xE9</title>", "Caf\u00E9", ""},
        {"", "", ""},
    };
    for (const MetadataCase& page : cases) {
        const PageMetadata metadata =
            ReadPageMetadata("<html><head>" + page.Head + "</head><body></body></html>", "");
        EXPECT_EQ(metadata.Title, page.Title) << page.Head;
        EXPECT_EQ(metadata.Description, page.Description) << page.Head;
    }
}

} // namespace
} // namespace lumbrant

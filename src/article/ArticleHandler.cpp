#include "article/ArticleHandler.h"

#include "article/HtmlToText.h"
#include "article/TextBlockLocator.h"
#include "text/ByteText.h"

#include <vector>

namespace lumbrant {

std::string BodyOf(const std::string& page) {
    for (const char* tag : {"<body", "<BODY", "<Body"}) {
        if (const text::Index p = text::Pos(tag, page)) {
            return text::From(page, p);
        }
    }
    return page;
}

ArticleOutcome HandleArticlePage(const std::string& page, const StoryRecord& story,
                                 const SiteList& sites) {
    const std::string bodyText = BodyOf(page);
    const bool listedSite = sites.IsSpecialSite(story.ArticleUrl) == 1;
    // The positions of the snippet can take eight bytes for every character
    // of the page; they are gone before the note is written.
    const LocateResult located = [&] {
        std::vector<text::Index> occurrences;
        return LocateTextBlock(story.Snippet, bodyText, occurrences);
    }();
    if (!located.Found) {
        return {"Not get ", std::nullopt};
    }
    if (listedSite) {
        return {"Special", located.Text + LongestBlock(bodyText)};
    }
    return {located.Strategy, located.Text};
}

} // namespace lumbrant

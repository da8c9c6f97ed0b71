#include "article/FeedArticle.h"

#include "extract/ArticleExtractor.h"
#include "text/Encoding.h"

namespace lumbrant {

ArticleOutcome HandleFeedArticlePage(const std::string& page, std::string_view httpCharset,
                                     const StoryRecord& story) {
    ExtractedArticle article = ExtractArticle(page, httpCharset, story.Snippet, story.StoryTitle);
    if (article.Found != ExtractedArticle::Kind::Article) {
        return SummaryOnly(story, article.Reason);
    }
    return {kArticleFound, std::move(article.Text)};
}

ArticleOutcome SummaryOnly(const StoryRecord& story, const std::string& why) {
    // The summary is plain text already; a feed in a broken encoding may
    // still have left bytes that are no UTF-8.
    return {kSummaryOnly + why, text::RepairUtf8(story.Snippet)};
}

} // namespace lumbrant

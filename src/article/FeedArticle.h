#pragma once

// What an article page comes to in a feed edition: the article's text as the
// extractor finds it in the page, or else the feed's summary, so that every
// story gets a note and its log entry says which it got.

#include "article/ArticleHandler.h"
#include "frontpage/StoryQueue.h"

#include <string>
#include <string_view>

namespace lumbrant {

// The log entry of a note that holds the article's text.
inline constexpr char kArticleFound[] = "Article";
// The start of the log entry of a note that holds only the feed's summary,
// followed by why.
inline constexpr char kSummaryOnly[] = "Summary only: ";

// The page's article, or the story's summary with the reason none was found.
// httpCharset is the charset the page's HTTP head named (empty for none).
ArticleOutcome HandleFeedArticlePage(const std::string& page, std::string_view httpCharset,
                                     const StoryRecord& story);

// The story's summary alone, for a page that could not be fetched (why).
ArticleOutcome SummaryOnly(const StoryRecord& story, const std::string& why);

} // namespace lumbrant

#pragma once

// What an arrived article page comes to: the page cut to its body, the
// article's text found by the story's snippet, and for a listed site the
// page's longest text block added. A plain function of its inputs; the
// caller logs, writes the note and goes on with the slot.

#include "article/SiteList.h"
#include "frontpage/StoryQueue.h"

#include <optional>
#include <string>

namespace lumbrant {

struct ArticleOutcome {
    // The error log's entry: the strategy's name, "Special" or "Not get ".
    std::string LogEntry;
    // The note's text, when the article's text was found.
    std::optional<std::string> NoteText;
};

ArticleOutcome HandleArticlePage(const std::string& page, const StoryRecord& story,
                                 const SiteList& sites);

// The page from its body tag on ("<body", else "<BODY", else "<Body"), or the whole page.
std::string BodyOf(const std::string& page);

} // namespace lumbrant

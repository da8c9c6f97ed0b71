#pragma once

// Reads the items of an RSS 2.0 or Atom 1.0 feed as story records. RSS
// items give their title, link and description; Atom entries their title,
// their alternate link and their summary, or else their content. Elements of
// other namespaces (dc:, media:, ...) are passed over. An item without a
// title or an http or https link is skipped.

#include "frontpage/StoryQueue.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumbrant {

// The first mostItems items of the feed, in feed order, each as a story
// record: the link, the title as a classic front page carries it, and the
// summary as the article page shows it. Throws XmlError when the document
// cannot be read up to where they end, or is neither an RSS nor an Atom feed.
std::vector<StoryRecord> ParseFeed(std::string_view document, std::size_t mostItems);

} // namespace lumbrant

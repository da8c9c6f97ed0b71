#pragma once

// What a feed edition's front-page job brought, on the UI thread: the
// stories of every feed that arrived and parses go into its section's list;
// every other feed is logged and skipped.

#include "core/JobPorts.h"
#include "core/LogClass.h"
#include "frontpage/StoryList.h"

#include <cstddef>
#include <vector>

namespace lumbrant {

// Appends one record ("unreaded", link, title, snippet) per story of each
// feed, at most mostItems a feed, in feed order. A feed that failed or does
// not parse is logged as "FrontPage:" + its section code + ": " + why.
void AddFeedStories(const std::vector<FeedPage>& feeds, std::size_t mostItems,
                    SectionStoryLists& lists, const ErrorLog& log);

} // namespace lumbrant

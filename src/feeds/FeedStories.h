#pragma once

// What a feed edition's front-page job brought, on the UI thread: the
// stories of every feed that arrived go into its section's list, and the
// log says whatever a feed did not give.

#include "core/JobPorts.h"
#include "core/LogClass.h"
#include "frontpage/StoryList.h"

#include <cstddef>
#include <vector>

namespace lumbrant {

// Appends one record ("unreaded", link, title, snippet) per story of each
// feed, at most mostItems a feed, in feed order. Logged, each as
// "FrontPage:" + the section code + ": " + what: a feed that failed (why);
// one that cannot be read (why); one that breaks after some stories
// ("read N items, then " + why; the N stories are kept); every skipped
// item ("item K skipped: " + why, the first kMostSkipsTold of a feed, then
// "and M more items skipped"); a feed without items ("the feed has no
// item") or without a usable one ("no item of the feed is a story").
void AddFeedStories(const std::vector<FeedPage>& feeds, std::size_t mostItems,
                    SectionStoryLists& lists, const ErrorLog& log);

} // namespace lumbrant

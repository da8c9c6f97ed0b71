#include "feeds/FeedStories.h"

#include "feeds/FeedParser.h"
#include "frontpage/FrontPageParser.h"
#include "frontpage/Sections.h"

#include <exception>

namespace lumbrant {

namespace {

void Append(std::vector<StoryRecord> stories, StoryList& list) {
    for (StoryRecord& story : stories) {
        list.emplace_back(kUnreaded);
        list.push_back(std::move(story.ArticleUrl));
        list.push_back(std::move(story.StoryTitle));
        list.push_back(std::move(story.Snippet));
    }
}

} // namespace

void AddFeedStories(const std::vector<FeedPage>& feeds, std::size_t mostItems,
                    SectionStoryLists& lists, const ErrorLog& log) {
    for (const FeedPage& feed : feeds) {
        const int section = SectionIndex(feed.SectionCode);
        if (section < 0) {
            continue;
        }
        const std::string operation = "FrontPage:" + feed.SectionCode + ": ";
        if (feed.Failed) {
            log.Write(operation + feed.Reason);
            continue;
        }
        try {
            Append(ParseFeed(feed.Page, mostItems), lists[static_cast<std::size_t>(section)]);
        } catch (const std::exception& error) {
            log.Write(operation + error.what());
        }
    }
}

} // namespace lumbrant

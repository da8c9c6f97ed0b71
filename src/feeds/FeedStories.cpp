#include "feeds/FeedStories.h"

#include "feeds/FeedParser.h"
#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"

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

// What the log says of a feed that was read: every skipped item, and why
// the section got fewer stories than the feed would have given.
std::vector<std::string> Notes(const FeedReading& reading) {
    std::vector<std::string> notes = reading.Skips;
    if (reading.SkippedItems > reading.Skips.size()) {
        notes.push_back("and " + std::to_string(reading.SkippedItems - reading.Skips.size()) +
                        " more items skipped");
    }
    if (!reading.Fault.empty() && !reading.Stories.empty()) {
        notes.push_back("read " + std::to_string(reading.Stories.size()) + " items, then " +
                        reading.Fault);
    } else if (!reading.Fault.empty()) {
        notes.push_back(reading.Fault);
    } else if (reading.Items == 0) {
        notes.emplace_back("the feed has no item");
    } else if (reading.Stories.empty()) {
        notes.emplace_back("no item of the feed is a story");
    }
    return notes;
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
            FeedReading reading = ParseFeed({feed.Page, feed.Url, feed.Charset}, mostItems);
            for (const std::string& note : Notes(reading)) {
                log.Write(operation + note);
            }
            Append(std::move(reading.Stories), lists[static_cast<std::size_t>(section)]);
        } catch (const std::exception& error) {
            log.Write(operation + error.what());
        }
    }
}

} // namespace lumbrant

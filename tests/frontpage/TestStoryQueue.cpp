#include "frontpage/StoryQueue.h"
#include "support/FrontPageBuilder.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using Lists = std::array<StoryList, kSectionCount>;

void AddRecord(StoryList& list, const std::string& state, const std::string& link) {
    list.insert(list.end(), {state, link, "title " + link, "snippet " + link});
}

struct Taken {
    std::string url, code, id;
};

Taken Take(StoryQueue& queue) {
    Taken t;
    queue.TakeNextStory(t.url, t.code, t.id);
    return t;
}

TEST(StoryQueue, TakesInSectionOrderThenAnswersNo) {
    Lists lists;
    AddRecord(lists[0], "Readed", "t0");
    AddRecord(lists[0], "unreaded", "t1");
    AddRecord(lists[2], "readed", "l0");
    AddRecord(lists[7], "", "h0");
    StoryQueue queue(lists);

    const Taken first = Take(queue);
    EXPECT_EQ(first.url, "t1");
    EXPECT_EQ(first.code, "TO");
    EXPECT_EQ(first.id, "5");
    EXPECT_EQ(lists[0][4], "Readed");
    const Taken second = Take(queue);
    EXPECT_EQ(second.code, "LO"); // only the exact "Readed" counts as taken
    EXPECT_EQ(second.id, "1");
    EXPECT_EQ(Take(queue).code, "HE");

    const Taken none = Take(queue);
    EXPECT_EQ(none.code, "NO");
    EXPECT_TRUE(none.url.empty());
    EXPECT_TRUE(none.id.empty());
}

TEST(StoryQueue, ANewParseIsTakenAfterTheOldRecordsOfItsOwnSection) {
    Lists lists;
    AddRecord(lists[0], "unreaded", "old-to");
    AddRecord(lists[1], "unreaded", "old-wo");
    StoryQueue queue(lists);
    EXPECT_EQ(Take(queue).url, "old-to");
    AddRecord(lists[0], "unreaded", "new-to");
    AddRecord(lists[1], "unreaded", "new-wo");
    EXPECT_EQ(Take(queue).id, "5");
    EXPECT_EQ(Take(queue).url, "old-wo");
    EXPECT_EQ(Take(queue).url, "new-wo");
    EXPECT_EQ(Take(queue).code, "NO");
}

TEST(StoryQueue, LookUpReadsThreeEntriesOrFails) {
    Lists lists;
    AddRecord(lists[7], "Readed", "h0");
    AddRecord(lists[7], "unreaded", "h1");
    StoryQueue queue(lists);
    const StoryRecord story = queue.LookUpStory("HE", "5");
    EXPECT_EQ(story.ArticleUrl, "h1");
    EXPECT_EQ(story.StoryTitle, "title h1");
    EXPECT_EQ(story.Snippet, "snippet h1");

    const StoryRecord none = queue.LookUpStory("XX", "1");
    EXPECT_TRUE(none.ArticleUrl.empty() && none.StoryTitle.empty() && none.Snippet.empty());
    for (const char* badId : {"x5", "", "7", "-1"}) {
        EXPECT_THROW(queue.LookUpStory("HE", badId), std::runtime_error) << badId;
    }
}

} // namespace
} // namespace lumbrant

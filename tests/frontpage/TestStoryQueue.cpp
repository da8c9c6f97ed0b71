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
    std::string url, title, snippet;
    queue.LookUpStory("HE", "5", url, title, snippet);
    EXPECT_EQ(url, "h1");
    EXPECT_EQ(title, "title h1");
    EXPECT_EQ(snippet, "snippet h1");

    std::string a, b, c;
    queue.LookUpStory("XX", "1", a, b, c);
    EXPECT_TRUE(a.empty() && b.empty() && c.empty());
    EXPECT_THROW(queue.LookUpStory("HE", "x5", a, b, c), std::runtime_error);
    EXPECT_THROW(queue.LookUpStory("HE", "", a, b, c), std::runtime_error);
    EXPECT_THROW(queue.LookUpStory("HE", "7", a, b, c), std::runtime_error);
    EXPECT_THROW(queue.LookUpStory("HE", "-1", a, b, c), std::runtime_error);
}

} // namespace
} // namespace lumbrant

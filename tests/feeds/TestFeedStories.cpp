#include "feeds/FeedStories.h"
#include "support/FolderLog.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

TEST(FeedStories, EveryFeedThatParsesFillsItsSectionAndEveryOtherIsLogged) {
    testing::TempFolder folder;
    testing::FolderLog log(folder.Path().string());
    const std::string item = "<item><title>T</title><link>http://a.example/1</link>"
                             "<description>S</description></item>";
    const std::string feed = "<rss><channel>" + item + item + item + "</channel></rss>";
    SectionStoryLists lists;
    lists[1] = {"Readed", "http://old.example/", "Old", "old"};
    AddFeedStories({{"TO", true, "", "HTTP/1.1 404"},
                    {"WO", false, feed, ""},
                    {"LO", false, "<html>", ""},
                    {"SP", false, feed, ""}},
                   2, lists, log.Log);

    EXPECT_EQ(log.Entries(), (std::vector<std::string>{
                                 "FrontPage:TO: HTTP/1.1 404",
                                 "FrontPage:LO: neither an RSS 2.0 nor an Atom 1.0 feed",
                             }));
    const StoryList two = {"unreaded", "http://a.example/1", "T", "S",
                           "unreaded", "http://a.example/1", "T", "S"};
    StoryList world = {"Readed", "http://old.example/", "Old", "old"};
    world.insert(world.end(), two.begin(), two.end());
    EXPECT_EQ(lists[1], world);
    EXPECT_EQ(lists[5], two);
    EXPECT_TRUE(lists[0].empty());
    EXPECT_TRUE(lists[2].empty());
}

} // namespace
} // namespace lumbrant

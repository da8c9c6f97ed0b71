#include "support/FrontPageBuilder.h"
#include "text/ByteText.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::Item;
using testing::Page;
using testing::SectionMarker;
using Lists = std::array<StoryList, kSectionCount>;

std::vector<std::vector<std::string>> ThreePerSection() {
    std::vector<std::vector<std::string>> sections;
    for (std::size_t k = 0; k < kSections.size(); ++k) {
        std::vector<std::string> items;
        for (int i = 0; i < 3; ++i) {
            const std::string id = std::string(kSections[k].Code) + std::to_string(i);
            items.push_back(Item("http://site.example/" + id, "Head " + id, "Snip " + id));
        }
        sections.push_back(items);
    }
    return sections;
}

std::vector<std::string> Links(const StoryList& list) {
    std::vector<std::string> links;
    for (std::size_t i = 1; i < list.size(); i += 4) {
        links.push_back(list[i]);
    }
    return links;
}

TEST(FrontPageParser, ACompletePageGivesEveryListItsRecordsInPageOrder) {
    Lists lists;
    ParseFrontPageSections(Page(ThreePerSection()), lists);
    for (std::size_t k = 0; k < kSections.size(); ++k) {
        const std::string code(kSections[k].Code);
        ASSERT_EQ(lists[k].size(), 12u) << code;
        EXPECT_EQ(lists[k][0], "unreaded");
        EXPECT_EQ(lists[k][1], "http://site.example/" + code + "0");
        EXPECT_EQ(lists[k][2], "Head " + code + "0");
        EXPECT_EQ(lists[k][3], "Snip " + code + "0");
        EXPECT_EQ(lists[k][9], "http://site.example/" + code + "2");
    }
}

TEST(FrontPageParser, MissingAndMisplacedMarkersGiveTheirDefinedSections) {
    const std::string page = Page(ThreePerSection());
    auto without = [&](std::size_t k) {
        return text::ReplaceAll(page, SectionMarker(k), "<td>gone");
    };
    {
        Lists lists; // "U.S." missing: World empty, LO takes everything above Business.
        ParseFrontPageSections(without(2), lists);
        EXPECT_TRUE(lists[1].empty());
        EXPECT_EQ(lists[2].size(), 9u * 4);
        EXPECT_EQ(lists[2][1], "http://site.example/TO0");
        EXPECT_EQ(lists[0].size(), 12u);
    }
    {
        Lists lists; // Top Stories missing: TO takes the top of the page down to World.
        ParseFrontPageSections(without(0), lists);
        EXPECT_EQ(Links(lists[0]).size(), 3u);
        EXPECT_EQ(lists[1].size(), 12u);
    }
    {
        Lists lists; // Health missing: EN empty, HE takes the whole page.
        ParseFrontPageSections(without(7), lists);
        EXPECT_TRUE(lists[6].empty());
        EXPECT_EQ(lists[7].size(), 24u * 4);
    }
    {
        Lists lists; // No marker at all: every item lands in HE.
        std::string bare = page;
        for (std::size_t k = 0; k < kSections.size(); ++k) {
            bare = text::ReplaceAll(bare, SectionMarker(k), "");
        }
        ParseFrontPageSections(bare, lists);
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_TRUE(lists[k].empty());
        }
        EXPECT_EQ(lists[7].size(), 24u * 4);
    }
    {
        Lists lists; // World placed above Top Stories: TO is empty.
        std::string swapped = text::ReplaceAll(page, SectionMarker(1), "<td>was world");
        swapped = "<p>" + SectionMarker(1) + "</p>" + swapped;
        ParseFrontPageSections(swapped, lists);
        EXPECT_TRUE(lists[0].empty());
        EXPECT_EQ(lists[1].size(), 6u * 4);
    }
}

TEST(FrontPageParser, FieldsFollowTheTagRules) {
    struct Case {
        std::string item;
        std::string link, headline, snippet;
    };
    const std::string m(kStoryItemMarker);
    const std::vector<Case> cases = {
        {m + "<a href=http://a.example/x>" + "<b>H</b> 2 hours ago</nobr><font size=-1>S</font>",
         "", "H", "S"},
        {m + "<a href=\"http://a.example/q\" id=7><b>H</b> 1 hour ago</nobr> <font "
             "size=-1>S1</font>",
         "http://a.example/q", "H", "S1"},
        {m + "<a href=http://a.example/m x><b>Tom &amp; Jerry\r\nagain\nnow</b><font "
             "size=-1>early</font>"
             " 5 minutes ago</nobr><font size=-1>late</font>",
         "http://a.example/m", "Tom &amp; Jerryagainnow", "late"},
        {m + "no tags at all", "", "", ""},
        {m + "<a href=http://a.example/c x><b>T</b>xx hours ago</nobr><font size=-1>a\r\rb",
         "http://a.example/c", "T", ""},
    };
    for (const auto& c : cases) {
        Lists lists;
        ParseSection(c.item, "SP", lists);
        ASSERT_EQ(lists[5].size(), 4u) << c.item;
        EXPECT_EQ(lists[5][1], c.link) << c.item;
        EXPECT_EQ(lists[5][2], c.headline) << c.item;
        EXPECT_EQ(lists[5][3], c.snippet) << c.item;
    }
}

TEST(FrontPageParser, AnAgeInMinutesSearchesFromTheSixteenthCharacter) {
    // Behind "</b>" the search for the snippet starts at character 16, so a
    // font tag that begins earlier is skipped.
    std::string item = "<a href=u v><b>T</b><font size=-1>A</font>...<font size=-1>B</font>";
    EXPECT_EQ(ExtractStoryField(item, 'a'), "u");
    EXPECT_EQ(ExtractStoryField(item, 'b'), "T");
    EXPECT_EQ(ExtractStoryField(item, 'f'), "B");
}

TEST(FrontPageParser, ASectionGivesAtMost250StoriesAParseAndTheOthersStayWhole) {
    std::vector<std::vector<std::string>> sections = ThreePerSection();
    sections[1].clear();
    for (int i = 1; i <= 251; ++i) {
        const std::string id = std::to_string(i);
        sections[1].push_back(Item("http://site.example/w" + id, "Head " + id, "Snip " + id));
    }
    Lists lists;
    ParseFrontPageSections(Page(sections), lists);
    ASSERT_EQ(lists[1].size(), 250u * 4);
    EXPECT_EQ(lists[1][249 * 4 + 1], "http://site.example/w250");
    EXPECT_EQ(lists[1][249 * 4 + 3], "Snip 250");
    EXPECT_EQ(Links(lists[2]),
              (std::vector<std::string>{"http://site.example/LO0", "http://site.example/LO1",
                                        "http://site.example/LO2"}));
    ParseFrontPageSections(Page(sections), lists);
    EXPECT_EQ(lists[1].size(), 500u * 4);
}

TEST(FrontPageParser, ASecondParseAppendsWithNewIds) {
    Lists lists;
    const std::string page = Page(ThreePerSection());
    ParseFrontPageSections(page, lists);
    ParseFrontPageSections(page, lists);
    EXPECT_EQ(lists[3].size(), 24u);
    EXPECT_EQ(lists[3][13], lists[3][1]);
    ParseSection("no item marker here", "TO", lists);
    EXPECT_EQ(lists[0].size(), 24u);
}

} // namespace
} // namespace lumbrant

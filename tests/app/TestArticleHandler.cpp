#include "app/ArticleHandler.h"
#include "article/HtmlToText.h"
#include "core/Messages.h"
#include "support/TempFolder.h"
#include "text/IniFile.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::TempFolder;
using testing::WriteFile;

struct Note {
    std::string Text, Title, Url;
};

class ArticleHandlerTest : public ::testing::Test {
protected:
    ArticleHandlerTest()
        : queue(state.StoryLists),
          handler(
              state, queue,
              [this](const std::string& text, const std::string& title, const std::string& url) {
                  if (noteFails) {
                      throw std::runtime_error("disk full");
                  }
                  notes.push_back({text, title, url});
              },
              [this](int slot) { restarts.push_back(slot); }) {
        state.WorkDir = folder.Path().string();
        state.StoryLists[0] = {"Readed", "http://www.daily.example/a/1", "Rain &amp; wind",
                               "Rain fell on the city"};
    }

    void Arrive(int slot, const std::string& page, const std::string& code = "TO",
                const std::string& id = "1", int wParam = 0) {
        state.SlotPageText[static_cast<std::size_t>(slot - 1)] = page;
        state.SlotCategoryCode[static_cast<std::size_t>(slot - 1)] = code;
        state.SlotStoryId[static_cast<std::size_t>(slot - 1)] = id;
        handler.OnArticleDone(slot, wParam);
    }

    // The log's values in key order.
    std::vector<std::string> Log() const {
        std::vector<std::string> values;
        const std::string content = testing::ReadFile(folder.Path() / "Rovad.txt");
        std::size_t at = content.find("\r\n");
        while (at != std::string::npos && at + 2 < content.size()) {
            const std::size_t end = content.find("\r\n", at + 2);
            const std::string line = content.substr(at + 2, end - at - 2);
            values.push_back(line.substr(line.find('=') + 1));
            at = end;
        }
        return values;
    }

    TempFolder folder;
    MainState state;
    StoryQueue queue;
    bool noteFails = false;
    std::vector<Note> notes;
    std::vector<int> restarts;
    ArticleHandler handler;
};

const std::string kPage =
    "<html><head><title>x</title></head><body class=a><p>Heavy rain fell on the "
    "city all day.</p><table><tr><td>a longer block of text than the "
    "article itself, in a table cell<td>z";

TEST_F(ArticleHandlerTest, AFailedDownloadIsLoggedOnlyOnSlotThreeAndEverySlotRestarts) {
    for (int slot = 1; slot <= 4; ++slot) {
        Arrive(slot, "", "", "", FETCH_FAILED);
    }
    EXPECT_EQ(Log(), std::vector<std::string>{"Not Get Html!"});
    EXPECT_EQ(restarts, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(notes.empty());
}

TEST_F(ArticleHandlerTest, ALocatedTextBecomesANoteUnderTheStrategysName) {
    Arrive(2, kPage);
    EXPECT_EQ(Log(), std::vector<std::string>{"Right 1/2"});
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].Text, "Rain fell on the city all day. ");
    EXPECT_EQ(notes[0].Title, "Rain &amp; wind");
    EXPECT_EQ(notes[0].Url, "http://www.daily.example/a/1");
    EXPECT_EQ(restarts, std::vector<int>{2});
}

TEST_F(ArticleHandlerTest, AListedSiteGetsTheLongestBlockAddedAndLogsSpecial) {
    WriteFile(folder.Path() / "KVD.Update", "[1]\r\nWWW.DAILY.EXAMPLE=1\r\n");
    Arrive(1, kPage);
    EXPECT_EQ(Log(), std::vector<std::string>{"Special"});
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].Text,
              "Rain fell on the city all day. " + LongestBlock(kPage.substr(kPage.find("<body"))));
    EXPECT_NE(notes[0].Text.find("a longer block"), std::string::npos);
}

TEST_F(ArticleHandlerTest, NothingLocatedWritesNoNote) {
    WriteFile(folder.Path() / "KVD.Update", "[1]\r\nwww.daily.example=1\r\n");
    Arrive(4, "<body><p>Sunshine everywhere.</p><table>");
    Arrive(4, kPage, "XX", "1"); // no such section: the snippet stays empty
    EXPECT_EQ(Log(), (std::vector<std::string>{"Not get ", "Not get "}));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(restarts, (std::vector<int>{4, 4}));
}

TEST_F(ArticleHandlerTest, OnlyTheThreeBodySpellingsCutThePage) {
    state.StoryLists[0][3] = "fell on the city all day and night";
    const std::string before = "<p>Rain fell on the city all day and night.</p><table>";
    Arrive(1, before + "<Body><p>nothing</p><table>");
    Arrive(1, before + "<bODY><p>nothing</p><table>");
    EXPECT_EQ(Log(), (std::vector<std::string>{"Not get ", "All"}));
}

TEST_F(ArticleHandlerTest, ErrorsAreLoggedAndTheSlotRestartsOnce) {
    Arrive(3, kPage, "TO", "one");
    noteFails = true;
    Arrive(3, kPage);
    EXPECT_EQ(Log(), (std::vector<std::string>{"!!! 'one' is not a valid integer value",
                                               "Right 1/2", "!!! disk full"}));
    EXPECT_EQ(restarts, (std::vector<int>{3, 3}));
}

} // namespace
} // namespace lumbrant

// An arrived article page, handled as a plain function of the page, the
// story and the site list.

#include "article/ArticleHandler.h"
#include "article/HtmlToText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::TempFolder;
using testing::WriteFile;

const std::string kPage =
    "<html><head><title>x</title></head><body class=a><p>Heavy rain fell on the "
    "city all day.</p><table><tr><td>a longer block of text than the "
    "article itself, in a table cell<td>z";
const StoryRecord kStory{"http://www.daily.example/a/1", "Rain &amp; wind",
                         "Rain fell on the city"};

struct Row {
    const char* Name;
    std::string Page;
    std::string Snippet;
    const char* SiteList; // the file KVD.Update; nullptr: none, the built-in list
    std::string LogEntry;
    std::optional<std::string> NoteText;
};

TEST(ArticleHandler, EachPageComesToItsLogEntryAndNoteText) {
    const std::string rain = "Rain fell on the city all day. ";
    const std::string mixed = "<p>Rain fell on the city all day and night.</p><table>";
    const std::vector<Row> rows = {
        {"located", kPage, kStory.Snippet, nullptr, "Right 1/2", rain},
        {"listed site", kPage, kStory.Snippet, "[1]\r\nWWW.DAILY.EXAMPLE=1\r\n", "Special",
         rain + LongestBlock(kPage.substr(kPage.find("<body")))},
        {"other site listed", kPage, kStory.Snippet, "[1]\r\nother.example=1\r\n", "Right 1/2",
         rain},
        {"nothing located", "<body><p>Sunshine everywhere.</p><table>", kStory.Snippet,
         "[1]\r\nwww.daily.example=1\r\n", "Not get ", std::nullopt},
        {"empty snippet", kPage, "", nullptr, "Not get ", std::nullopt},
        {"<Body> cuts", mixed + "<Body><p>nothing</p><table>", "fell on the city all day and night",
         nullptr, "Not get ", std::nullopt},
        {"<bODY> does not", mixed + "<bODY><p>nothing</p><table>",
         "fell on the city all day and night", nullptr, "All",
         "fell on the city all day and night. "},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        if (row.SiteList != nullptr) {
            WriteFile(folder.Path() / "KVD.Update", row.SiteList);
        }
        StoryRecord story = kStory;
        story.Snippet = row.Snippet;
        const ArticleOutcome outcome =
            HandleArticlePage(row.Page, story, SiteList::Load(folder.Path().string()));
        EXPECT_EQ(outcome.LogEntry, row.LogEntry) << row.Name;
        EXPECT_EQ(outcome.NoteText, row.NoteText) << row.Name;
    }
}

} // namespace
} // namespace lumbrant

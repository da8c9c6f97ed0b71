#include "core/Paths.h"
#include "notes/NoteChain.h"
#include "notes/NoteWriter.h"
#include "support/TempFolder.h"
#include "support/UnreadableFile.h"
#include "text/Encoding.h"
#include "text/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace {

using lumbrant::NoteWriter;

const std::string kUrl = "http://news.example/story?id=7&amp;from=top";
const std::string kFooter =
    "\r\n\r\n<a href=\"index\">Back</a>\r\n\r\nMore detail, please visit " + kUrl;
const std::string kTitleLine = "T\r\n";

std::string Continue(const std::string& target) {
    return "\r\n\r\n<a href=\"" + target + "\">Continue...</a>\r\n";
}

// The text that makes the note "T" CR LF text footer exactly noteLength
// characters long, all "x" but for a blank at each given 1-based position of the note.
std::string TextFor(std::size_t noteLength, const std::vector<std::size_t>& blanksAt = {}) {
    std::string text(noteLength - kTitleLine.size() - kFooter.size(), 'x');
    for (const std::size_t at : blanksAt) {
        text[at - kTitleLine.size() - 1] = ' ';
    }
    return text;
}

class NoteWriterTest : public ::testing::Test {
protected:
    fs::path News() const { return dir_ / "news"; }
    std::string Read(const std::string& name) const {
        return text::ReadFileBytes((News() / name).string()).value_or("<missing>");
    }
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(News())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    // Writes a story titled "T" whose note is "T" CR LF text footer.
    void Write(const std::string& text) { writer_.WriteNewsNote(text, "T", kUrl); }

    lumbrant::testing::TempFolder folder_{"notes"};
    const fs::path dir_ = folder_.Path();
    std::string workDir_ = dir_.string();
    int noteCounter_ = 0;
    NoteWriter writer_{workDir_, noteCounter_};
};

// A feed edition's article: however short it is, it is written with its
// paragraphs apart; however long, and whatever its script, every part of its
// chain is whole UTF-8 and together they hold the whole text.
TEST_F(NoteWriterTest, AnArticleIsWrittenWhateverItsLengthAndNeverCutInsideACharacter) {
    const std::string shortArticle = "Rain fell.\r\n\r\nRivers rose.\r\n";
    writer_.WriteNewsNote(shortArticle, "T", kUrl, lumbrant::StoryText::Utf8Article);
    EXPECT_EQ(Read("News item 1"), "T\r\nRain fell.\r\n\r\nRivers rose." + kFooter + "\r\n");

    std::string longArticle;
    for (int k = 0; k < 2500; ++k) {
        longArticle += "\xE9\x9B\xA8"; // one character of three bytes, no blank between
    }
    writer_.WriteNewsNote(longArticle, "T", kUrl, lumbrant::StoryText::Utf8Article);
    std::string joined;
    for (std::size_t part = 0; fs::exists(News() / ("News item 2-" + std::to_string(part)));
         ++part) {
        const std::string note = Read("News item 2-" + std::to_string(part));
        EXPECT_TRUE(text::IsValidUtf8(note)) << "part " << part;
        joined += note.substr(0, note.find("\r\n\r\n<a href=\"News item 2-"));
    }
    EXPECT_NE(joined.find(longArticle), std::string::npos);
}

TEST_F(NoteWriterTest, AStoryUnder300CharactersIsDroppedWithoutANumber) {
    noteCounter_ = 5;
    Write(std::string(299 - kTitleLine.size(), 'x'));
    EXPECT_EQ(noteCounter_, 5);
    EXPECT_FALSE(fs::exists(News()));

    const std::string text(300 - kTitleLine.size(), 'x');
    Write(text);
    EXPECT_EQ(noteCounter_, 6);
    EXPECT_EQ(Files(), (std::set<std::string>{"News item 6", "index"}));
    EXPECT_EQ(Read("News item 6"), kTitleLine + text + kFooter + "\r\n");
    EXPECT_EQ(Read("index"), "<title>Here Starts</title>\r\n<a href=\"News item 6\">T</a>\r\n");
}

// Where a note is cut: each part is the stretch of the whole note (title
// line, text, footer) from its 0-based start for its length, and every part
// but the last ends with the link to the next.
struct CutRow {
    const char* Name;
    std::size_t NoteLength;
    std::vector<std::size_t> BlanksAt; // 1-based positions in the note
    std::vector<std::pair<std::size_t, std::size_t>> Parts;
};

TEST_F(NoteWriterTest, NotesAreCutAtTheLastBlankFrom1700To1900AndNeverInTheBackLine) {
    const std::size_t all = std::string::npos;
    const std::size_t lastBlank = 1901 - kUrl.size() - 1; // the one before the link
    const std::size_t textEnd = 1880; // then the Back line's blank lies at or before 1900
    const std::vector<CutRow> rows = {
        {"1900 characters fit one note", 1900, {}, {{0, all}}},
        {"1901 characters: the last blank is before the link",
         1901,
         {},
         {{0, lastBlank + 1}, {lastBlank, all}}},
        {"a blank at 1900 ends the part and starts the next",
         2500,
         {1750, 1900},
         {{0, 1900}, {1899, all}}},
        {"a blank below 1700 is not taken", 2500, {1699}, {{0, 1900}, {1900, all}}},
        {"three parts, each cut at its last blank",
         4000,
         {1600, 1850, 3000, 3649},
         {{0, 1850}, {1849, 1800}, {3648, all}}},
        {"no blank: 1900 characters, nothing repeated",
         4200,
         {},
         {{0, 1900}, {1900, 1900}, {3800, all}}},
        {"the Back line stays whole: the blank before it",
         textEnd + kFooter.size(),
         {1800},
         {{0, 1800}, {1799, all}}},
        {"the Back line stays whole: cut at its start",
         textEnd + kFooter.size(),
         {},
         {{0, textEnd + 4}, {textEnd + 4, all}}},
    };
    for (const CutRow& row : rows) {
        fs::remove_all(News());
        const std::string text = TextFor(row.NoteLength, row.BlanksAt);
        const std::string note = kTitleLine + text + kFooter;
        Write(text);
        const std::string name = "News item " + std::to_string(noteCounter_);
        std::set<std::string> files{"index"};
        for (std::size_t k = 0; k < row.Parts.size(); ++k) {
            const bool single = row.Parts.size() == 1;
            const std::string part = single ? name : name + "-" + std::to_string(k);
            const bool last = k + 1 == row.Parts.size();
            const auto [start, length] = row.Parts[k];
            EXPECT_EQ(Read(part),
                      note.substr(start, length) +
                          (last ? "\r\n" : Continue(name + "-" + std::to_string(k + 1))))
                << row.Name << ", part " << k;
            files.insert(part);
        }
        EXPECT_EQ(Files(), files) << row.Name;
    }
}

// A story of 400,000 characters would fill over 200 notes.
TEST_F(NoteWriterTest, AStoryFillsAtMostAHundredNotesAndTheLastStillEndsWithItsFooter) {
    std::string text;
    while (text.size() < 400000) {
        text += "word" + std::to_string(text.size() % 97) + " ";
    }
    struct Case {
        std::size_t urlLength;
        std::size_t parts; // 0: the story is dropped
    };
    // Links of 1,000 and 20,000 characters, and one whose footer alone fills every note.
    for (const Case& c : {Case{1000, 100}, Case{20000, 100}, Case{190000, 0}}) {
        SCOPED_TRACE("link of " + std::to_string(c.urlLength));
        fs::remove_all(News());
        const std::string url = "http://news.example/" + std::string(c.urlLength - 20, 'u');
        const int counter = noteCounter_;
        writer_.WriteNewsNote(text, "T", url);
        if (c.parts == 0) {
            EXPECT_EQ(noteCounter_, counter);
            EXPECT_FALSE(fs::exists(News()));
            continue;
        }
        const std::string name = "News item " + std::to_string(noteCounter_);
        EXPECT_EQ(Files().size(), c.parts + 1);
        std::string chain;
        for (std::size_t k = 0; k < c.parts; ++k) {
            std::string part = Read(name + "-" + std::to_string(k));
            const std::string link = Continue(name + "-" + std::to_string(k + 1));
            if (k + 1 < c.parts) {
                ASSERT_TRUE(part.ends_with(link)) << "part " << k;
                part.resize(part.size() - link.size());
            }
            EXPECT_LE(part.size(), lumbrant::kMaxNotePart + 2) << "part " << k;
            chain += part;
        }
        const std::string footer =
            "\r\n\r\n<a href=\"index\">Back</a>\r\n\r\nMore detail, please visit ";
        EXPECT_TRUE(chain.ends_with(footer + url + "\r\n"));
        EXPECT_TRUE(chain.starts_with(kTitleLine + text.substr(0, 1000)));
    }
}

// Whatever a headline or a link holds, the note's first and last lines and
// the index line stay one line each, and no link but the program's own. The
// note's title is cleaned where the index keeps it as given; NUL bytes go
// from both and from the text, and nothing after them is lost.
TEST_F(NoteWriterTest, TitlesLinksAndTextsStayCleanLinesWithoutLinksOfTheirOwn) {
    struct Row {
        std::string Title;
        std::string Link;
        std::string NoteTitle;
        std::string IndexTitle;
        std::string LinkShown;
    };
    const std::string planted = "Rain &lt;a href=\"elsewhere\"&gt;Planted&lt;/a&gt; now";
    const std::string continued = "Strike ends &lt;a href=\"index-2\"&gt;Continue...&lt;/a&gt;";
    const std::vector<Row> rows{
        {"Rain\r<a href=\"elsewhere\">Planted</a>\nnow", kUrl, planted, planted, kUrl},
        {"Strike ends <a href=\"index-2\">Continue...</a>", kUrl, continued, continued, kUrl},
        {"AT&amp;T &lt;up&gt;", "http://x.example/a\rb\n\"c\"", "AT&T &lt;up&gt;",
         "AT&amp;T &lt;up&gt;", "http://x.example/ab%22c%22"},
        {"Tom &amp; Jerry", kUrl, "Tom & Jerry", "Tom &amp; Jerry", kUrl},
        {std::string("T\0U", 3), kUrl, "TU", "TU", kUrl},
    };
    const std::string text = std::string(200, 'a') + '\0' + std::string(200, 'b');
    const std::string written = std::string(200, 'a') + std::string(200, 'b');
    for (const Row& row : rows) {
        writer_.WriteNewsNote(text, row.Title, row.Link);
    }
    std::string index = "<title>Here Starts</title>\r\n";
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& row = rows[k];
        const std::string name = "News item " + std::to_string(k + 1);
        const std::string footer =
            "\r\n\r\n<a href=\"index\">Back</a>\r\n\r\nMore detail, please visit " + row.LinkShown;
        EXPECT_EQ(Read(name), row.NoteTitle + "\r\n" + written + footer + "\r\n") << row.Title;
        index += "<a href=\"" + name + "\">" + row.IndexTitle + "</a>\r\n";
    }
    EXPECT_EQ(Read("index"), index);
}

TEST_F(NoteWriterTest, TheIndexTitleIsSetByTheFirstStoryOfTheFolder) {
    Write(TextFor(500));
    Write(TextFor(2500));
    EXPECT_EQ(Read("index"), "<title>Here Starts</title>\r\n<a href=\"News item 1\">T</a>\r\n"
                             "<a href=\"News item 2-0\">T</a>\r\n");

    fs::remove_all(News());
    Write(TextFor(2500));
    Write(TextFor(500));
    EXPECT_EQ(Read("index"), "<title>Index of News</title>\r\n<a href=\"News item 3-0\">T</a>\r\n"
                             "<a href=\"News item 4\">T</a>\r\n");
}

TEST_F(NoteWriterTest, AnIndexWrittenElsewhereIsReadByLinesAndStoredInCrLfLines) {
    fs::create_directory(News());
    text::WriteFileAtomic((News() / "index").string(),
                          "<title>Here Starts</title>\n<a href=\"a\">A</a>");
    Write(TextFor(500));
    EXPECT_EQ(Read("index"), "<title>Here Starts</title>\r\n<a href=\"a\">A</a>\r\n"
                             "<a href=\"News item 1\">T</a>\r\n");
}

TEST_F(NoteWriterTest, OnlyTheFooterHasEmptyLinesAndEveryLineEndsWithCrLf) {
    const std::string para(120, 'p');
    Write(para + "\r\n\r\n" + para + "\r\n \r\n\r\n" + para + "\n" + para + "\r" + para);
    EXPECT_EQ(Read("News item 1"), kTitleLine + para + "\r\n" + para + "\r\n" + para + "\r\n" +
                                       para + "\r\n" + para + kFooter + "\r\n");

    // A text that ends with a line break is followed by two empty lines.
    Write(para + para + "\r\n\r\n" + para + "\r\n\r\n");
    EXPECT_EQ(Read("News item 2"),
              kTitleLine + para + para + "\r\n" + para + "\r\n" + kFooter + "\r\n");
}

TEST_F(NoteWriterTest, NumbersGoOnAcrossStoriesAndRuns) {
    noteCounter_ = 30;
    Write(TextFor(500));
    fs::remove_all(News());
    Write(TextFor(500));
    Write(TextFor(2500));
    EXPECT_EQ(noteCounter_, 33);
    EXPECT_EQ(Files(),
              (std::set<std::string>{"News item 32", "News item 33-0", "News item 33-1", "index"}));
    EXPECT_EQ(writer_.NextNoteName(), "News item 34");
}

TEST_F(NoteWriterTest, AFolderThatCannotBeCreatedRaisesBeforeAnyNumberIsUsed) {
    workDir_ = (dir_ / "missing").string();
    try {
        Write(TextFor(500));
        FAIL() << "no error raised";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(lumbrant::LocalNewsFolder(workDir_)),
                  std::string::npos);
    }
    EXPECT_EQ(noteCounter_, 0);

    workDir_ = dir_.string();
    text::WriteFileAtomic(News().string(), "a file in the way");
    EXPECT_THROW(Write(TextFor(500)), std::runtime_error);
    EXPECT_EQ(noteCounter_, 0);

    if (lumbrant::testing::ReadOnlyFoldersBind()) {
        const fs::path readOnly = dir_ / "read-only";
        fs::create_directory(readOnly);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
        workDir_ = readOnly.string();
        EXPECT_THROW(Write(TextFor(500)), std::runtime_error);
        EXPECT_EQ(noteCounter_, 0);
        fs::permissions(readOnly, fs::perms::owner_all);
    }
}

TEST_F(NoteWriterTest, ANoteThatCannotBeWrittenRaisesAndGetsNoIndexLine) {
    fs::create_directories(News() / "News item 1-1");
    EXPECT_THROW(Write(TextFor(2500)), std::runtime_error);
    EXPECT_EQ(noteCounter_, 1);
    EXPECT_EQ(Files(), (std::set<std::string>{"News item 1-0", "News item 1-1"}));
}

TEST_F(NoteWriterTest, AnUnreadableIndexRaisesInsteadOfStartingAfresh) {
    fs::create_directory(News());
    const fs::path index = News() / "index";
    text::WriteFileAtomic(index.string(), "<title>Here Starts</title>\r\n<a href=\"a\">A</a>\r\n");
    const int raised = lumbrant::testing::RunWhileUnreadable(dir_, index, [&] {
        try {
            Write(TextFor(500));
            return 0;
        } catch (const std::runtime_error&) {
            return 1;
        }
    });
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(Read("index"), "<title>Here Starts</title>\r\n<a href=\"a\">A</a>\r\n");
}

} // namespace

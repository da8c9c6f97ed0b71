#include "notes/NoteText.h"

#include <gtest/gtest.h>

namespace {

using lumbrant::CleanNoteText;

struct CleanCase {
    std::string text;
    std::string expected;
};

class CleanNoteTextTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanNoteTextTest, GivesTheTitleLineAndTheCleanedText) {
    EXPECT_EQ(CleanNoteText("T", GetParam().text), "T\r\n" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CleanNoteTextTest,
    ::testing::Values(
        // Each pass runs once and never looks at what an earlier pass made.
        CleanCase{"a&amp;nbsp;b", "a&nbsp;b"}, CleanCase{"a&amp;amp;b", "a&amp;b"},
        CleanCase{"&NBSP;&QUOT;&AMP;", "&NBSP;&QUOT;&AMP;"},
        CleanCase{"&quot;x&quot;&nbsp;&#39;y&#39;\tz", "\"x\" 'y' z"},
        CleanCase{"a" + std::string(4, ' ') + "b", "a b"},
        CleanCase{"a" + std::string(5, ' ') + "b", "a  b"},
        CleanCase{"a" + std::string(8, ' ') + "b", "a b"},
        CleanCase{"a" + std::string(11, ' ') + "b", "a b"},
        CleanCase{"a" + std::string(15, ' ') + "b", "a  b"},
        CleanCase{"a" + std::string(25, ' ') + "b", "a  b"}, CleanCase{"a\t  b", "a b"},
        CleanCase{"a&nbsp;&nbsp; b", "a b"},
        // Empty lines and lines of blanks disappear, one level at a time until none is left.
        CleanCase{"a\r\n\r\n\r\n\r\n\r\nb", "a\r\nb"}, CleanCase{"a\r\n \r\n \r\nb", "a\r\nb"},
        CleanCase{"a\r\n  \r\n\r\n\t\r\nb", "a\r\nb"}, CleanCase{"a\r\n\r\n", "a\r\n"},
        // Lone CR and LF are no CR LF pair and stay as they are.
        CleanCase{"a\n\nb\r\rc", "a\n\nb\r\rc"}));

TEST(NoteText, TheTitleIsCleanedLikeTheText) {
    EXPECT_EQ(CleanNoteText("Tom &amp;  Jerry\r\n\r\n", "x"), "Tom & Jerry\r\nx");
}

TEST(NoteText, DropNulKeepsEverythingElse) {
    EXPECT_EQ(lumbrant::DropNul(std::string("\0a\0\0b\0", 6)), "ab");
}

TEST(NoteText, LinkLinesAndFooter) {
    EXPECT_EQ(lumbrant::ContinueLinkLine("News item 3", 2),
              "<a href=\"News item 3-2\">Continue...</a>");
    EXPECT_EQ(lumbrant::IndexLinkLine("News item 3-0", "A &amp; B"),
              "<a href=\"News item 3-0\">A &amp; B</a>");
    EXPECT_EQ(lumbrant::NoteFooter("http://x.example/?a=1&amp;b=2"),
              "\r\n\r\n<a href=\"index\">Back</a>\r\n\r\nMore detail, please visit "
              "http://x.example/?a=1&amp;b=2");
}

} // namespace

#include "text/ByteText.h"

#include <gtest/gtest.h>

using namespace text;

TEST(ByteText, PositionsAreOneBasedAndTheEmptyTextIsNeverFound) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abc", ""), 0);
    EXPECT_EQ(PosFrom("b", "abcb", 3), 4);
    EXPECT_EQ(PosFrom("b", "abcb", 5), 0);
    EXPECT_EQ(PosFrom("b", "abcb", -7), 2);
    EXPECT_EQ(Pos(std::string_view("a\0b", 3).substr(1), std::string_view("xa\0b", 4)), 3);
}

TEST(ByteText, CopyIsClamped) {
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", -5, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 3, -1), "");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 100, 1), "");
    EXPECT_EQ(From("abcdef", 4), "def");
    EXPECT_EQ(From("abcdef", 0), "abcdef");
    EXPECT_EQ(From("abcdef", 7), "");
}

TEST(ByteText, ReplaceAllNeitherOverlapsNorRescansWhatItInserted) {
    EXPECT_EQ(ReplaceAll("aaaaa", "aa", "a"), "aaa");
    EXPECT_EQ(ReplaceAll("abab", "ab", "abab"), "abababab");
    EXPECT_EQ(ReplaceAll("x&amp;nbsp;y", "&nbsp;", " "), "x&amp;nbsp;y");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceAll("     ", "   ", " "), "   ");
}

TEST(ByteText, RepeatedReplaceRunsUntilThePatternIsGone) {
    EXPECT_EQ(ReplaceAllRepeated("a\n\n\n\nb", "\n\n", "\n"), "a\nb");
    EXPECT_EQ(ReplaceAllRepeated("\r\n\r\n\r\n", "\r\n\r\n", "\r\n"), "\r\n");
    EXPECT_THROW(ReplaceAllRepeated("aa", "a", "aa"), std::invalid_argument);
}

TEST(ByteText, NormalizeLinesEndsEveryLineWithCrLfAndStopsAtNul) {
    EXPECT_EQ(NormalizeLines(""), "");
    EXPECT_EQ(NormalizeLines("abc"), "abc\r\n");
    EXPECT_EQ(NormalizeLines("a\nb\rc\r\nd\r\n"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(NormalizeLines("a\n\nb"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(NormalizeLines(std::string_view("ab\0cd\n", 6)), "ab\r\n");
    EXPECT_EQ(NormalizeLines(std::string_view("\0cd", 3)), "");
}

TEST(ByteText, CaseHelpersTouchOnlyAsciiLetters) {
    EXPECT_EQ(AsciiLower("AbC\xC4Z"), "abc\xC4z");
    EXPECT_TRUE(EqualsIgnoreCase("Access Log", "ACCESS log"));
    EXPECT_FALSE(EqualsIgnoreCase("\xC4", "\xE4"));
}

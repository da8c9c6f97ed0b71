#include "article/HtmlToText.h"

#include <gtest/gtest.h>
#include <string>

using lumbrant::ConvertBlock;
using lumbrant::LongestBlock;

namespace {

struct Case {
    const char* Input;
    const char* Expected;
};

} // namespace

TEST(ConvertBlock, RemovesRemovableTagsAndCutsAtTheFirstOther) {
    const Case cases[] = {
        {"Rain fell.<p>More rain.</p><table>", "Rain fell. More rain. "},
        // Comments, scripts and styles go whole, whatever they hold.
        {"a<!-- x > y -->b<table>", "a b"},
        {"x<script>w(1);<b>w(2);</script>y<td>", "x y"},
        {"x<style type=t>p{}<b></style>y<td>", "x y"},
        {"a<!---->b<td>", "a b"},
        {"a<!-->b<td>", "a b"},
        // Without their closing text they lose only the tag.
        {"x<script>y<td>", "x y"},
        {"a<!-- b>c<td>", "a c"},
        // The closing text is matched case-sensitively.
        {"<SCRIPT>x</SCRIPT>y<td>", " x y"},
        // A closing text that an earlier step removed is not found again.
        {"a</script>b<script>c<td>", "a b c"},
        // Names: lower-cased, ended only by a blank.
        {"A<BR>B<br>C<hr>", "A B C"},
        {"A<br/>B<hr>", "A"},
        {"A<br />B<hr>", "A B"},
        {"<P class=\"a\">x<td>", " x"},
        {"<o:P>x<td>", " x"},
        {"a<p\tclass=x>b<td>", "a"},
        {"a<scripts>b</script>c<td>", "a"},
        {"a< p>b<td>", "a"},
        {"a<>b<td>", "a"},
        // A ">" before the next "<" ends the block at that "<".
        {"text > more <b>x</b><hr>", "text > more "},
        {"x-->y<!--z<td>", "x-->y"},
        // An unclosed "<" ends the block; no "<" left at all empties it.
        {"a<b", "a"},
        {"no tags at all", ""},
        {"x<p>y", ""},
        {"<table>text<p>", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertBlock(c.Input), c.Expected) << "input: " << c.Input;
    }
}

TEST(ConvertBlock, ANameWithANulByteIsNotTheNameWithout) {
    EXPECT_EQ(ConvertBlock(std::string("a<b\0>x<td>", 11)), "a");
    EXPECT_EQ(ConvertBlock(std::string("a<b>x\0<td>", 11)), std::string("a x\0", 4));
}

TEST(LongestBlock, ReturnsTheLongestPieceBetweenOtherTags) {
    const Case cases[] = {
        {"<body><p>short</p><table>a much longer piece of text<td>x",
         "a much longer piece of text"},
        // Of equal pieces the earlier.
        {"<hr>abc<hr>xyz<hr>", "abc"},
        // The text after the last such tag never counts.
        {"<hr>ab<hr>a much longer tail", "ab"},
        // An empty name or a stray ">" ends the scan; the open piece is lost.
        {"<hr>ab<hr>abc< p>defghijkl<hr>", "ab"},
        {"<hr>ab<hr>x > y<hr>z", "ab"},
        {"<hr>ab<hr>xyz<b", "ab"},
        // Removable tags become blanks, comments go whole.
        {"<td>a<b>b</b><!-- <hr> -->c<td>", "a b  c"},
        // Text with no "<" holds no piece.
        {"just text", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongestBlock(c.Input), c.Expected) << "input: " << c.Input;
    }
}

TEST(LongestBlock, GivesUpAtATagMoreThan50000CharactersAhead) {
    // "<hr>" after k characters: its ">" is character k + 4 of the text.
    const std::string head = "<hr>ab<hr>";
    EXPECT_EQ(LongestBlock(head + std::string(49996, 'x') + "<hr>"), std::string(49996, 'x'));
    EXPECT_EQ(LongestBlock(head + std::string(49997, 'x') + "<hr>"), "ab");
    // Characters kept through removable tags count towards the distance.
    EXPECT_EQ(
        LongestBlock(head + std::string(30000, 'x') + "<b>" + std::string(19996, 'y') + "<hr>"),
        "ab");
}

TEST(LongestBlock, ShortensBlankRunsByFiveSinglePasses) {
    const struct {
        int Run;
        int Kept;
    } cases[] = {{1, 1},  {2, 1},  {3, 1},  {4, 1},  {5, 2},  {6, 1}, {7, 1},
                 {11, 1}, {12, 1}, {14, 1}, {15, 2}, {22, 1}, {23, 1}};
    for (const auto& c : cases) {
        const std::string input = "<hr>a" + std::string(c.Run, ' ') + "b<hr>";
        EXPECT_EQ(LongestBlock(input), "a" + std::string(c.Kept, ' ') + "b") << c.Run << " blanks";
    }
}

TEST(LongestBlock, CollapsesTabAndLineBreakRunsInTheirOrder) {
    const Case cases[] = {
        {"<hr>a\t\t\t\tb<hr>", "a\tb"},
        {"<hr>a\r\n\r\n\r\nb<hr>", "a\r\nb"},
        {"<hr>a\r\n \r\n \r\nb<hr>", "a\r\nb"},
        {"<hr>a\n\n\nb<hr>", "a\nb"},
        {"<hr>a\n \n \nb<hr>", "a\nb"},
        // "\r\n\r\n" is gone before "\n \n" turns "\r\n \n\r\n" into "\r\n\r\n".
        {"<hr>a\r\n \n\r\nb<hr>", "a\r\n\r\nb"},
        // Blank passes come first: the five blanks keep two, so no chain forms.
        {"<hr>a\n     \nb<hr>", "a\n  \nb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongestBlock(c.Input), c.Expected) << "input: " << c.Input;
    }
}

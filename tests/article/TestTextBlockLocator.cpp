#include "article/TextBlockLocator.h"
#include "support/MessyHtml.h"

#include <gtest/gtest.h>
#include <string>

using lumbrant::LocateResult;

namespace {

LocateResult Locate(const std::string& snippet, const std::string& body) {
    std::vector<text::Index> occurrences;
    return lumbrant::LocateTextBlock(snippet, body, occurrences);
}

// Letters in an order that repeats no piece of 12 or more characters, so a
// page built from parts of it holds only the parts put there.
std::string Unique(std::size_t length) {
    articletest::Rng rng(length);
    std::string s;
    for (std::size_t i = 0; i < length; ++i) {
        s.push_back(static_cast<char>('a' + rng.Below(26)));
    }
    return s;
}

} // namespace

TEST(TextBlockLocator, TheWholeSnippetRunsToTheEndOfItsBlock) {
    const auto r =
        Locate("Heavy rain fell", "<body><p>Heavy rain fell on the city.</p><b>x</b><table>y");
    EXPECT_TRUE(r.Found);
    EXPECT_EQ(r.Strategy, "All");
    EXPECT_EQ(r.Text, "Heavy rain fell on the city.  x ");
}

TEST(TextBlockLocator, AnEndPieceIsReplacedByTheWholeSnippet) {
    const auto r =
        Locate("Rain fell on the city", "<body><p>Heavy rain fell on the city all day.</p><table>");
    EXPECT_TRUE(r.Found);
    EXPECT_EQ(r.Strategy, "Right 1/2");
    EXPECT_EQ(r.Text, "Rain fell on the city all day. ");
}

TEST(TextBlockLocator, NothingFound) {
    EXPECT_FALSE(Locate("", "<body><p>any text<td>").Found);
    EXPECT_FALSE(Locate("zzzz zzzz", "<body><p>any text<td>").Found);
}

TEST(TextBlockLocator, FoundEvenWhenTheBlockIsEmpty) {
    const auto r = Locate("tail words", "<body><td>tail words and no tag after");
    EXPECT_TRUE(r.Found);
    EXPECT_EQ(r.Strategy, "All");
    EXPECT_EQ(r.Text, "");
}

TEST(TextBlockLocator, FractionStrategiesAreTriedOnlyFromTheirLengths) {
    // Each page holds one piece of the snippet; the shorter snippet of each
    // pair must not try the strategy that would find it.
    const struct {
        std::size_t Length;
        bool EndPiece;
        std::size_t Divisor;
        const char* Strategy;
    } cases[] = {
        {527, true, 16, nullptr},   {528, true, 16, "Right 1/16"},
        {527, false, 16, nullptr},  {528, false, 16, "Left 1/16"},
        {1055, true, 32, nullptr},  {1056, true, 32, "Right 1/32"},
        {1055, false, 32, nullptr}, {1056, false, 32, "Left 1/32"},
    };
    for (const auto& c : cases) {
        const std::string snippet = Unique(c.Length);
        const std::size_t pieceLength = c.Length / c.Divisor;
        const std::string piece =
            c.EndPiece ? snippet.substr(c.Length - pieceLength) : snippet.substr(0, pieceLength);
        const auto r = Locate(snippet, "<body><p>" + piece + " more<td>");
        SCOPED_TRACE(c.Length);
        if (c.Strategy == nullptr) {
            EXPECT_FALSE(r.Found) << r.Strategy;
            continue;
        }
        EXPECT_EQ(r.Strategy, c.Strategy);
        EXPECT_EQ(r.Text, (c.EndPiece ? snippet : piece) + " more");
    }
}

TEST(TextBlockLocator, MiddlePiecesPutBackTheHeadUpTo32CharactersFromTheEnd) {
    const struct {
        std::size_t Length;
        std::size_t From; // 0-based start of the piece
        const char* Strategy;
    } cases[] = {{96, 31, nullptr}, {97, 31, "mid 1"}, {128, 63, nullptr}, {129, 63, "mid 2"}};
    for (const auto& c : cases) {
        const std::string snippet = Unique(c.Length);
        const std::string piece = snippet.substr(c.From, c.Length - 32 - c.From - 1);
        // The page goes on with the snippet's next character, which the
        // replacement also ends with, so it stands twice.
        const char next = snippet[c.Length - 33];
        const auto r = Locate(snippet, "<body><p>" + piece + next + "!<td>");
        SCOPED_TRACE(c.Length);
        if (c.Strategy == nullptr) {
            EXPECT_FALSE(r.Found) << r.Strategy;
            continue;
        }
        EXPECT_EQ(r.Strategy, c.Strategy);
        EXPECT_EQ(r.Text, snippet.substr(0, c.Length - 32) + next + "!");
    }
}

TEST(TextBlockLocator, AnOccurrenceInsideATagCountsOnlyWhenItIsTheOnlyOne) {
    const auto twice =
        Locate("rain fell", "<body><a title=\"rain fell\">x</a><p>rain fell hard<td>");
    EXPECT_EQ(twice.Strategy, "All");
    EXPECT_EQ(twice.Text, "rain fell hard");

    const auto once = Locate("rain fell", "<body><a title=\"rain fell\">x</a><td>");
    EXPECT_EQ(once.Strategy, "All");
    EXPECT_EQ(once.Text, "rain fell\">x");

    std::vector<text::Index> occurrences;
    lumbrant::FindOccurrences("k", "<a k>k<b>k<i", occurrences);
    EXPECT_EQ(occurrences, (std::vector<text::Index>{6}));
    lumbrant::FindOccurrences("aa", "aaaaa", occurrences);
    EXPECT_EQ(occurrences, (std::vector<text::Index>{1, 3}));
    lumbrant::FindOccurrences("", "aaaaa", occurrences);
    EXPECT_TRUE(occurrences.empty());
}

TEST(TextBlockLocator, TheLongestCandidateWinsAndTheEarliestOfEqualOnes) {
    const std::string body = "<body>key a<td>key bbb<td>key cc<td>key ddd<td>";
    const auto r = Locate("key", body);
    EXPECT_EQ(r.Text, "key bbb");

    std::vector<text::Index> occurrences;
    lumbrant::FindOccurrences("key", body, occurrences);
    EXPECT_EQ(occurrences.size(), 4u);
    EXPECT_EQ(lumbrant::ExtractBlock({}, body), "");
}

TEST(TextBlockLocator, TheReplacementIsMadeInTheConvertedText) {
    // The key holds a tag, which the conversion has turned into a blank.
    const auto r = Locate("QQQQQQQQQQab<b>cdefg", "<body><p>ab<b>cdefg and more<td>");
    EXPECT_EQ(r.Strategy, "Right 1/2");
    EXPECT_EQ(r.Text, "ab cdefg and more");
    // Every occurrence in the block is replaced, left to right.
    EXPECT_EQ(lumbrant::ExtractBlockWithSnippet({1}, "ab ab<b>ab<td>", "ab", "XYZ"), "XYZ XYZ XYZ");
}

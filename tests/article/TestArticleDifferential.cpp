// The fast conversions and the locator against their literal, slow forms on
// many seeded, generated inputs. A mismatch is shrunk before it is shown.

#include "article/HtmlToText.h"
#include "article/KeyMatcher.h"
#include "article/TextBlockLocator.h"
#include "article/WhitespaceTidy.h"
#include "support/ArticleOracle.h"
#include "support/MessyHtml.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

using articletest::Escaped;
using articletest::MessyHtml;
using articletest::Shrink;

namespace {

using TextFunction = std::function<std::string(const std::string&)>;

// Runs both forms on input; on a mismatch fails with the shrunk input.
bool SameOn(const std::string& input, const TextFunction& fast, const TextFunction& slow) {
    if (fast(input) == slow(input)) {
        return true;
    }
    const std::string small =
        Shrink(input, [&](const std::string& s) { return fast(s) != slow(s); });
    ADD_FAILURE() << "input \"" << Escaped(small) << "\"\n fast   \"" << Escaped(fast(small))
                  << "\"\n oracle \"" << Escaped(slow(small)) << "\"";
    return false;
}

template <typename Result> std::string Describe(const Result& r) {
    return r.Found ? r.Strategy + " \"" + Escaped(r.Text) + "\"" : "not found";
}

bool SameLocation(const std::string& snippet, const std::string& body) {
    std::vector<text::Index> fastList;
    std::vector<text::Index> slowList;
    const auto fast = lumbrant::LocateTextBlock(snippet, body, fastList);
    const auto slow = oracle::LocateTextBlock(snippet, body, slowList);
    return fast.Found == slow.Found && fast.Strategy == slow.Strategy && fast.Text == slow.Text &&
           fastList == slowList;
}

// On a mismatch shrinks the body, then the snippet, and reports both.
bool SameLocationOn(const std::string& snippet, const std::string& body) {
    if (SameLocation(snippet, body)) {
        return true;
    }
    const std::string smallBody =
        Shrink(body, [&](const std::string& b) { return !SameLocation(snippet, b); });
    const std::string smallSnippet =
        Shrink(snippet, [&](const std::string& s) { return !SameLocation(s, smallBody); });
    std::vector<text::Index> list;
    const auto fast = lumbrant::LocateTextBlock(smallSnippet, smallBody, list);
    const auto slow = oracle::LocateTextBlock(smallSnippet, smallBody, list);
    ADD_FAILURE() << "snippet \"" << Escaped(smallSnippet) << "\"\n body \"" << Escaped(smallBody)
                  << "\"\n fast   " << Describe(fast) << "\n oracle " << Describe(slow);
    return false;
}

} // namespace

TEST(ArticleDifferential, ConvertBlockMatchesTheLiteralForm) {
    MessyHtml gen(20240601);
    const TextFunction fast = [](const std::string& s) { return lumbrant::ConvertBlock(s); };
    const TextFunction slow = [](const std::string& s) { return oracle::ConvertBlock(s); };
    for (int i = 0; i < 60000; ++i) {
        const std::string page = gen.Page(gen.Random().Below(80));
        ASSERT_TRUE(SameOn(page, fast, slow)) << "case " << i;
    }
}

TEST(ArticleDifferential, WhitespaceTidyMatchesTheRepeatedReplacements) {
    MessyHtml gen(77);
    const TextFunction fast = [](const std::string& s) { return lumbrant::TidyWhitespace(s); };
    const TextFunction slow = [](const std::string& s) { return oracle::TidyWhitespace(s); };
    for (int i = 0; i < 20000; ++i) {
        const std::string text = gen.Whitespace(gen.Random().Below(40));
        ASSERT_TRUE(SameOn(text, fast, slow)) << "case " << i;
    }
}

TEST(ArticleDifferential, LongestBlockMatchesTheLiteralForm) {
    MessyHtml gen(4711);
    const TextFunction fast = [](const std::string& s) { return lumbrant::LongestBlock(s); };
    const TextFunction slow = [](const std::string& s) { return oracle::LongestBlock(s); };
    for (int i = 0; i < 60000; ++i) {
        const std::string page =
            i % 3 == 0 ? gen.Whitespace(gen.Random().Below(60)) : gen.Page(gen.Random().Below(60));
        ASSERT_TRUE(SameOn(page, fast, slow)) << "case " << i;
    }
}

TEST(ArticleDifferential, LongestBlockMatchesAroundItsReach) {
    // Pieces that grow through removable tags until a "<" or ">" lies near
    // 50000 characters ahead of the scanned text's start.
    MessyHtml gen(50000);
    auto& rng = gen.Random();
    for (int i = 0; i < 40; ++i) {
        std::string page = "<hr>" + gen.Page(rng.Below(6)) + "<hr>";
        const std::size_t target = 49980 + rng.Below(40);
        std::size_t piece = 0;
        while (piece < target) {
            const std::size_t run = std::min<std::size_t>(1 + rng.Below(20000), target - piece);
            page += std::string(run, 'x');
            piece += run;
            if (rng.OneIn(2)) {
                page += rng.OneIn(2) ? "<b>" : "<p class=a>";
                piece += 1;
            }
        }
        page += rng.OneIn(2) ? "<hr>" : "<b" + std::string(rng.Below(8), 'y') + "><td>";
        page += gen.Page(rng.Below(6));
        EXPECT_EQ(lumbrant::LongestBlock(page), oracle::LongestBlock(page)) << "case " << i;
    }
}

TEST(ArticleDifferential, LocatorMatchesTheLiteralForm) {
    MessyHtml gen(1234567);
    for (int i = 0; i < 40000; ++i) {
        const std::string body = gen.Page(gen.Random().Below(80));
        const std::string snippet = gen.Snippet(body);
        ASSERT_TRUE(SameLocationOn(snippet, body)) << "case " << i;
    }
}

TEST(ArticleDifferential, LocatorMatchesWithSnippetsLongEnoughForAllPieces) {
    MessyHtml gen(528);
    auto& rng = gen.Random();
    for (int i = 0; i < 1500; ++i) {
        const std::string body = gen.Page(300 + rng.Below(300));
        const std::size_t length = rng.OneIn(2) ? 515 + rng.Below(30) : 1045 + rng.Below(30);
        const std::string snippet = gen.Mutated(body.substr(rng.Below(body.size() / 2), length));
        ASSERT_TRUE(SameLocationOn(snippet, body)) << "case " << i;
    }
}

TEST(ArticleDifferential, LocatorMatchesOnPagesThatRepeatThemselves) {
    // Repeated units give keys many occurrences whose conversions meet.
    MessyHtml gen(99);
    auto& rng = gen.Random();
    for (int i = 0; i < 8000; ++i) {
        const std::string unit = gen.Page(1 + rng.Below(5));
        std::string body = gen.Page(rng.Below(4));
        for (std::size_t r = 2 + rng.Below(30); r > 0; --r) {
            body += unit;
            if (rng.OneIn(4)) {
                body += gen.Page(1);
            }
        }
        body += gen.Page(rng.Below(4));
        const std::string snippet = rng.OneIn(2) ? gen.Snippet(unit) : gen.Snippet(body);
        ASSERT_TRUE(SameLocationOn(snippet, body)) << "case " << i;
    }
}

TEST(ArticleDifferential, ExtractionsMatchWhereManyConversionsMeet) {
    // Starts at every "x" of token text; keys with blanks, so that the
    // conversions reach their common tail in different states of the search.
    MessyHtml gen(8);
    auto& rng = gen.Random();
    const std::vector<std::string> keys{"x x", "x", "xx", "x  x", "y x", "x y", " x", "x "};
    for (int i = 0; i < 15000; ++i) {
        const std::string body = gen.Tokens(rng.Below(60));
        std::vector<text::Index> positions;
        for (std::size_t at = body.find('x'); at != std::string::npos;
             at = body.find('x', at + 1)) {
            if (!rng.OneIn(4)) {
                positions.push_back(static_cast<text::Index>(at) + 1);
            }
        }
        const std::string& key = rng.Pick(keys);
        const std::string replacement(rng.Below(7), 'R');
        ASSERT_EQ(lumbrant::ExtractBlockWithSnippet(positions, body, key, replacement),
                  oracle::ExtractBlockWithSnippet(positions, body, key, replacement, true))
            << "body \"" << Escaped(body) << "\" key \"" << key << "\" replacement \""
            << replacement << "\"";
        ASSERT_EQ(lumbrant::ExtractBlock(positions, body), oracle::ExtractBlock(positions, body))
            << "body \"" << Escaped(body) << "\"";
    }
}

TEST(ArticleDifferential, ConversionsThatShareTheirCourseAreRankedExactly) {
    // Every position of the page a start, in page order and reversed. A
    // replacement that lengthens lets end parts be passed over; one that
    // shortens has every start measured, so that many conversions meet.
    MessyHtml gen(16);
    auto& rng = gen.Random();
    const std::vector<std::string> keys{"x x", "x", "xx", "x  x", "y x", "x y", " x", "x "};
    for (int i = 0; i < 3000; ++i) {
        const std::string body = i % 2 == 0 ? gen.Tokens(rng.Below(60)) : gen.Page(rng.Below(60));
        const std::string& key = rng.Pick(keys);
        std::vector<text::Index> positions(body.size() + 1);
        std::iota(positions.begin(), positions.end(), text::Index{1});
        for (const std::string& replacement : {key + "#", std::string()}) {
            for (int pass = 0; pass < 2; ++pass) {
                ASSERT_EQ(lumbrant::ExtractBlockWithSnippet(positions, body, key, replacement),
                          oracle::ExtractBlockWithSnippet(positions, body, key, replacement, true))
                    << "body \"" << Escaped(body) << "\" key \"" << key << "\" replacement \""
                    << replacement << "\" pass " << pass;
                std::reverse(positions.begin(), positions.end());
            }
        }
    }
}

TEST(ArticleDifferential, KeySearchFindsWhatTheLiteralSearchFinds) {
    // Two-letter texts make the skipping search give way to the failure table.
    articletest::Rng rng(2);
    for (int i = 0; i < 20000; ++i) {
        std::string hay(rng.Below(300), 'a');
        for (char& c : hay) {
            c = rng.OneIn(i % 2 == 0 ? 2 : 12) ? 'b' : 'a';
        }
        std::string key = hay.substr(rng.Below(hay.size() + 1), 1 + rng.Below(12));
        if (key.empty() || rng.OneIn(4)) {
            key = std::string(1 + rng.Below(10), 'a') + (rng.OneIn(2) ? "b" : "");
        }
        std::vector<text::Index> literal;
        oracle::FindOccurrences(key, hay, literal);
        std::vector<text::Index> fast;
        lumbrant::KeyMatcher(key).FindAll(
            hay, [&](std::size_t start) { fast.push_back(static_cast<text::Index>(start) + 1); });
        ASSERT_EQ(fast, literal) << "hay \"" << hay << "\" key \"" << key << "\"";
    }
}

TEST(ArticleDifferential, ExtractionsMatchForAnyPositionsKeyAndReplacement) {
    MessyHtml gen(31337);
    auto& rng = gen.Random();
    for (int i = 0; i < 30000; ++i) {
        const std::string body = gen.Page(rng.Below(50));
        const std::vector<text::Index> positions = gen.Positions(body);
        const std::string key = gen.Snippet(body).substr(0, rng.Below(6));
        const std::string replacement = gen.Snippet(body).substr(0, rng.Below(10));
        ASSERT_EQ(lumbrant::ExtractBlock(positions, body), oracle::ExtractBlock(positions, body))
            << "body \"" << Escaped(body) << "\"";
        ASSERT_EQ(lumbrant::ExtractBlockWithSnippet(positions, body, key, replacement),
                  oracle::ExtractBlockWithSnippet(positions, body, key, replacement, true))
            << "body \"" << Escaped(body) << "\" key \"" << Escaped(key) << "\" replacement \""
            << Escaped(replacement) << "\"";
    }
}

#include "newsdesk/ArticleText.h"

#include "newsdesk/Prose.h"
#include "newsdesk/Vocabulary.h"

#include <vector>

namespace newsdesk {
namespace {

constexpr std::uint64_t kMarkupStream = 0x6D61726B;

std::string Slug(std::string_view name) {
    std::string slug;
    for (const char c : name) {
        slug += c == ' ' ? '-' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return slug;
}

// Links the first place named in the sentence, or leaves it as it is.
std::string WithPlaceLink(const std::string& sentence) {
    for (const std::string_view place : Places()) {
        const std::size_t at = sentence.find(place);
        if (at != std::string::npos) {
            return sentence.substr(0, at) + "<a href=/topics/" + Slug(place) + " class=topic>" +
                   std::string(place) + "</a>" + sentence.substr(at + place.size());
        }
    }
    return sentence;
}

std::string Decorated(const std::string& sentence, Rng& rng) {
    const int roll = rng.Below(100);
    if (roll < 8) {
        return "<b>" + sentence + "</b>";
    }
    if (roll < 16) {
        return "<i>" + sentence + "</i>";
    }
    if (roll < 24) {
        return "<span class=hl>" + sentence + "</span>";
    }
    if (roll < 28) {
        return "<em>" + sentence + "</em>";
    }
    if (roll < 32) {
        return "<strong>" + sentence + "</strong>";
    }
    if (roll < 50) {
        return WithPlaceLink(sentence);
    }
    return sentence;
}

std::string_view SentenceBreak(Rng& rng) {
    const int roll = rng.Below(100);
    if (roll < 6) {
        return "<br>\n";
    }
    if (roll < 9) {
        return " <br />\n";
    }
    if (roll < 11) {
        return "<BR>";
    }
    return " ";
}

std::string_view ParagraphOpening(Rng& rng) {
    static const std::string_view kOpenings[] = {"<p>", "<p>", "<p class=body>", "<P>",
                                                 "<p align=left>"};
    return rng.Pick(kOpenings);
}

std::string_view ParagraphClosing(Rng& rng) {
    static const std::string_view kClosings[] = {"</p>\n", "</p>\n", "</P>\n", "\n"};
    return rng.Pick(kClosings);
}

std::string AdvertSlot(Rng& rng) {
    std::string slot =
        "<div class=ad><!-- ad slot " + std::to_string(rng.Between(1, 9)) +
        ": width > 300 -->\n"
        "<script type=\"text/javascript\">\n"
        "if (window.innerWidth > 640) { document.write(\"<b>Advertisement</b>\"); }\n"
        "</script>\n"
        "<noscript><img src=/ads/house.gif width=300 height=250 alt=Advertisement>"
        "</noscript></div>\n";
    return slot;
}

// A body sentence that does not open like the lede, so that the snippet
// stands in the text only where the article begins.
std::string NextBodySentence(Prose& prose, const std::string& lede) {
    constexpr std::size_t kOpening = 30;
    while (true) {
        std::string sentence = prose.BodySentence();
        if (sentence.compare(0, kOpening, lede, 0, kOpening) != 0) {
            return sentence;
        }
    }
}

std::string NoticeText() {
    return "<p class=notice>Sorry, we could not find that page on our site. It may have been "
           "moved, or the address may be mistyped.</p>\n"
           "<p>Please use the search box above, or go back to our <a href=/>home page</a> for "
           "the latest headlines.</p>\n";
}

} // namespace

std::string RenderArticleText(const Story& story) {
    if (story.Placement == SnippetOnPage::Absent) {
        return NoticeText();
    }
    Prose prose = TextProse(story.SectionIndex, story.Seed);
    Rng rng(story.Seed ^ kMarkupStream);
    const std::vector<std::string> opening = OpeningSentences(prose);
    const std::size_t target = story.ShortText ? static_cast<std::size_t>(rng.Between(330, 430))
                                               : static_cast<std::size_t>(rng.Between(1500, 6000));

    std::string lede;
    for (const auto& sentence : opening) {
        lede += lede.empty() ? "" : " ";
        lede += sentence;
    }
    if (story.Placement == SnippetOnPage::SecondHalfOnly) {
        lede = FirstWordInCapitals(lede);
    }

    std::string text = "<p class=lede>" + lede;
    std::size_t length = lede.size();
    int inParagraph = static_cast<int>(opening.size());
    int paragraphs = 1;
    int paragraphSize = rng.Between(2, 5);
    bool advertPlaced = false;
    while (length < target) {
        if (inParagraph >= paragraphSize) {
            text += ParagraphClosing(rng);
            ++paragraphs;
            if (paragraphs == 3 && !advertPlaced && rng.Chance(40)) {
                text += AdvertSlot(rng);
                advertPlaced = true;
            }
            if (rng.Chance(10)) {
                text += "<!-- more below > -->\n";
            }
            text += ParagraphOpening(rng);
            inParagraph = 0;
            paragraphSize = rng.Between(2, 5);
        } else {
            text += SentenceBreak(rng);
        }
        const std::string sentence = NextBodySentence(prose, opening.front());
        text += Decorated(sentence, rng);
        length += sentence.size() + 1;
        ++inParagraph;
    }
    text += "</p>\n";
    return text;
}

} // namespace newsdesk

#pragma once

#include "newsdesk/Rng.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace newsdesk {

// Invented news prose for one story, drawn from the word lists of the story's
// section. Sentences are plain text without markup (they may hold the
// entities "&amp;" and "&#39;") and end with a full stop. Two objects made
// with the same arguments produce the same sequence of texts.
//
// Each story has an angle (which headline and which first lede) and a cast:
// the first two uses of every placeholder give the same words in every stream
// of the story, so the headline and the lede speak of the same people and places.
class Prose {
public:
    // sectionIndex 0 to 7 in front-page order; Top Stories (0) borrows the
    // topic of another section, chosen by the story's seed. The stream tells
    // apart several independent sequences of one story.
    Prose(int sectionIndex, std::uint64_t storySeed, std::uint64_t stream);

    std::string Headline();
    std::string Outlet();
    std::string Person();
    std::string LedeSentence();
    std::string BodySentence();

private:
    std::string Fill(std::string_view pattern);
    std::string_view Word(std::string_view slot);
    std::size_t Angle() const;

    int topic_;
    std::uint64_t storySeed_;
    Rng rng_;
    bool ledeTaken_ = false;
    std::map<std::string, int, std::less<>> uses_;
};

// A story's two independent streams, so that drawing its headline never
// shifts its text: one for the headline and the outlet, one for the text.
Prose HeadlineProse(int sectionIndex, std::uint64_t storySeed);
Prose TextProse(int sectionIndex, std::uint64_t storySeed);

// The opening sentences of a story's text: lede sentences joined by one blank,
// at least 80 characters long.
std::vector<std::string> OpeningSentences(Prose& prose);

// The summary line a front page shows for a text that opens with these
// sentences: their joined text, cut at the last blank that keeps it within
// 200 characters.
std::string SnippetOf(const std::vector<std::string>& opening);

// The text with its first word (its leading run of letters) in capitals.
std::string FirstWordInCapitals(std::string_view text);

} // namespace newsdesk

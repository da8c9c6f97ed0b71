#pragma once

#include "newsdesk/Story.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace newsdesk {

// Feeds in the shapes that publishers serve beside the plain ones of
// RenderFeed, each at /feeds/odd/<shape>.xml. Every one lists the stories
// of edition "tus", section "TO", linked to the pages of their FeedPath:
//   rdf       RSS 1.0: the items beside the channel, summaries in content:encoded
//   relative  Atom whose links start at the site's root ("/story/tus/TO/1.html")
//   base      Atom whose links ("1.html") are read against nested xml:base attributes
//   cp1251    RSS in windows-1251 bytes, a Cyrillic word opening every headline
//   greek     RSS in ISO-8859-7 bytes, a Greek word opening every headline
//   latin1    RSS without an XML declaration in windows-1252 bytes ("Café ...")
//   nbsp      RSS whose headlines use HTML's "&colon;" and "&nbsp;", declared by no DTD
//   broken    RSS whose third item refers to an entity nobody declared
//   media     Atom whose summaries stand only in a media:group's media:description
inline constexpr std::array<std::string_view, 9> kOddFeedShapes{
    "rdf", "relative", "base", "cp1251", "greek", "latin1", "nbsp", "broken", "media"};

// The items of the broken shape that stand before its break.
inline constexpr std::size_t kItemsBeforeTheBreak = 2;

// The feed of a shape over the stories of an edition (empty for a shape
// not in the list).
std::string RenderOddFeed(std::string_view shape, const std::vector<Story>& stories);

// The headline and the summary that a feed reader finds for a story in a
// shape's feed, in UTF-8.
std::string OddFeedHeadline(std::string_view shape, const Story& story);
std::string OddFeedSummary(const Story& story);

} // namespace newsdesk

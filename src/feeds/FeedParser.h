#pragma once

// Reads the items of an RSS (0.90 to 0.94, 1.0, 2.0) or Atom (0.3, 1.0)
// feed as story records, from the feed's bytes in whatever encoding they
// came (FeedEncoding.h says how it is found).
//
// An item's link is RSS's link, else its guid when that is a permalink;
// Atom's alternate link (a link without rel is one), else its first link
// to an http or https page (an RSS item's atom:link counts after its own); each is read against the
// xml:base in force, else against the feed's own address. Its title is the title; its summary the
// first of description (Atom: summary), content:encoded (Atom: content), media:description (also in
// a media:group) and itunes:summary that shows any text. An item without a title or an http or
// https link is skipped, and the reading says why.

#include "frontpage/StoryQueue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

// A feed as it arrived.
struct FeedDocument {
    std::string_view Bytes;
    // The address the feed came from, which its relative links are read
    // against (empty when unknown: then they make no story).
    std::string_view Url;
    // The charset its HTTP answer named, empty for none.
    std::string_view Charset;
};

// The most items whose skipping is told one by one; the rest are counted.
inline constexpr std::size_t kMostSkipsTold = 20;

struct FeedReading {
    // The first stories of the feed, at most the number asked, in feed
    // order; also those read before a fault.
    std::vector<StoryRecord> Stories;
    // How many items the reading met, skipped ones included.
    std::size_t Items = 0;
    // Why items were skipped, in feed order ("item 3 skipped: no title"),
    // at most kMostSkipsTold of them; SkippedItems counts them all.
    std::vector<std::string> Skips;
    std::size_t SkippedItems = 0;
    // Why the reading ended before the feed's end (it is no XML, declares
    // entities, breaks after some items, is neither RSS nor Atom); empty
    // when it read to the end or to the last story asked for.
    std::string Fault;
};

FeedReading ParseFeed(const FeedDocument& document, std::size_t mostItems);

} // namespace lumbrant

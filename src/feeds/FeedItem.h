#pragma once

// One item of a feed as the reader gathers it, and the story it makes.

#include "feeds/FeedLinks.h"
#include "frontpage/StoryQueue.h"

#include <array>
#include <optional>
#include <string>

namespace lumbrant {

// How a field carries its text: as it stands (plain text, or XHTML whose
// tags arrived as elements of their own), or as escaped HTML.
enum class Markup { Text, Html };

struct ItemField {
    std::string Raw;
    Markup Kind = Markup::Html;
    bool Seen = false;
};

// The summaries an item may give, in the order they are taken.
enum SummaryRank : std::size_t {
    kDescription, // RSS description, Atom summary
    kContent,     // content:encoded, Atom content
    kMedia,       // media:description
    kItunes,      // itunes:summary
    kSummaryRanks
};

struct FeedItem {
    ItemField Title;
    // RSS: the link's text and the guid's, with the base in force where
    // each stood.
    ItemField Link;
    std::string LinkBase;
    ItemField Guid;
    std::string GuidBase;
    bool GuidIsPermaLink = true;
    // Atom: the first alternate link, the first link of all, and the
    // first of them that makes a story's link, each read where it stood.
    std::optional<StoryLink> Alternate;
    std::optional<StoryLink> FirstLink;
    std::string FirstWebLink;
    std::array<ItemField, kSummaryRanks> Summaries;
};

// The text a field shows, blanks folded.
std::string ShownText(const ItemField& field);

struct ItemOutcome {
    std::optional<StoryRecord> Story;
    std::string Fault; // why there is none: "no title", "no link", ...
};

ItemOutcome FinishItem(const FeedItem& item);

} // namespace lumbrant

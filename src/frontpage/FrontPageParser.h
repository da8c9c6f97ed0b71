#pragma once

// Cuts a news front page into its eight sections and every section into
// story records. Only fixed marker texts are searched for; nothing else of
// the page's HTML is interpreted.

#include "frontpage/StoryList.h"

#include <string>
#include <string_view>

namespace lumbrant {

inline constexpr std::string_view kSectionHeadingPrefix =
    "<td bgcolor=#efefef class=ks width=60% nowrap>&nbsp;";
inline constexpr std::string_view kStoryItemMarker =
    "<table border=0 align=right cellpadding=5 cellspacing=0>";
inline constexpr std::string_view kUnreaded = "unreaded";
// The most story records one parse gives a section; items past them are ignored.
inline constexpr std::size_t kMaxStoriesPerSection = 250;

// Takes one field out of an item and shortens the item behind it. kind is
// 'a' (the link), 'b' (the headline) or 'f' (the snippet), always applied in
// that order to the same item text.
std::string ExtractStoryField(std::string& item, char kind);

// Appends one story record per item of the section to the list of code, for
// its first kMaxStoriesPerSection items.
void ParseSection(std::string_view section, std::string_view code, SectionStoryLists& lists);

// Splits the page into sections by their heading markers and parses each.
void ParseFrontPageSections(std::string_view page, SectionStoryLists& lists);

} // namespace lumbrant

#pragma once

// A feed's links as stories' links: read against the base address in
// force where they stand (an xml:base, itself read against the one around
// it, else the feed's own address), and kept only when they name an http
// or https page.

#include <string>
#include <string_view>

namespace lumbrant {

// The reference read against the base: as it stands when it names a
// scheme of its own, else resolved as RFC 3986 resolves a relative
// reference, its bytes beyond ASCII written as percent escapes of UTF-8.
// Empty when there is no base to read a relative one against, or it
// cannot be read as an address.
std::string ReadAgainst(const std::string& base, std::string_view reference);

struct StoryLink {
    std::string Address; // empty when the reference makes no story's link
    std::string Fault;   // why it makes none, for the log: "no link", "its link ... is ..."
};

// The story's link that the reference (blanks around it aside) makes when
// read against the base: an http or https address without blanks or
// control characters.
StoryLink ReadStoryLink(const std::string& base, std::string_view reference);

// A text of the feed as the log may quote it: at most 100 bytes (cut
// between characters, "..." added), every control character a blank.
std::string QuotedForLog(std::string_view text);

} // namespace lumbrant

#pragma once

#include "newsdesk/Story.h"

#include <string>
#include <string_view>
#include <vector>

namespace newsdesk {

// A publisher's feed of one section of an edition, with the quirks real
// feeds have: "tus" serves RSS 2.0 (with dc:, media: and atom: extensions),
// "tuk" Atom 1.0. Summaries come as CDATA, as escaped HTML, as plain text
// with numeric references, or (Atom) as XHTML or as content only; headlines
// hold UTF-8 and "&". Every story of the section is an item, linked to its
// FeedUrl, and after the first one stands a live-blog item without a link.
// The stories are the edition's stories of the section, in page order.
std::string RenderFeed(std::string_view edition, std::string_view code,
                       const std::vector<Story>& stories);

// The text as a publisher's page of today writes it: UTF-8 characters
// instead of the entities "&#39;" and "&amp;".
std::string ModernText(std::string_view html);

// The text with every occurrence of from made to.
std::string Replaced(std::string_view text, std::string_view from, std::string_view to);

// Text as XML character data.
std::string Escaped(std::string_view text);

} // namespace newsdesk

#pragma once

// Which feed a document is, told by its root element, and which of its
// elements are the feed's own. RSS 0.90 to 0.94, 1.0 (RDF, its items beside
// the channel) and 2.0 read alike; Atom 0.3 and 1.0 read alike. Each
// format's elements count in any of its namespaces or in none.

#include "feeds/XmlReader.h"

#include <optional>
#include <string_view>

namespace lumbrant {

enum class FeedKind { Rss, Atom };

// The namespaces of the extensions whose elements an item may use (Atom's
// own: an RSS item's atom:link).
inline constexpr std::string_view kAtomNamespace = "http://www.w3.org/2005/Atom";
inline constexpr std::string_view kContentNamespace = "http://purl.org/rss/1.0/modules/content/";
inline constexpr std::string_view kItunesNamespace = "http://www.itunes.com/dtds/podcast-1.0.dtd";
inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// The kind of feed that a root element of this name starts, if any:
// "rss", RDF's "RDF" or "feed".
std::optional<FeedKind> FeedKindOfRoot(const XmlName& root);

// True when the element is the feed's own element of that local name.
bool IsFeedElement(FeedKind kind, const XmlName& name, std::string_view local);

// True when the element is Media RSS's element of that local name.
bool IsMediaElement(const XmlName& name, std::string_view local);

} // namespace lumbrant

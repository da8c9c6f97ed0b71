#include "feeds/FeedFormat.h"

#include <algorithm>
#include <array>

namespace lumbrant {

namespace {

constexpr std::string_view kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";

// RSS 1.0, RSS 0.90, and the namespaces that UserLand and others gave RSS
// 2.0's own elements; none at all is the rule for RSS 0.9x and 2.0.
constexpr std::array<std::string_view, 6> kRssNamespaces{
    "",
    "http://purl.org/rss/1.0/",
    "http://my.netscape.com/rdf/simple/0.9/",
    "http://backend.userland.com/rss2",
    "http://backend.userland.com/rss",
    "http://blogs.law.harvard.edu/tech/rss",
};

constexpr std::array<std::string_view, 3> kAtomNamespaces{
    "",
    kAtomNamespace,
    "http://purl.org/atom/ns#",
};

// Media RSS, with and without the slash its publishers disagree about.
constexpr std::array<std::string_view, 2> kMediaNamespaces{
    "http://search.yahoo.com/mrss/",
    "http://search.yahoo.com/mrss",
};

template <std::size_t N>
bool IsOneOf(std::string_view value, const std::array<std::string_view, N>& values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

std::optional<FeedKind> FeedKindOfRoot(const XmlName& root) {
    if ((root.Local == "rss" && IsOneOf(root.Namespace, kRssNamespaces)) ||
        (root.Local == "RDF" && root.Namespace == kRdfNamespace)) {
        return FeedKind::Rss;
    }
    if (root.Local == "feed" && IsOneOf(root.Namespace, kAtomNamespaces)) {
        return FeedKind::Atom;
    }
    return std::nullopt;
}

bool IsFeedElement(FeedKind kind, const XmlName& name, std::string_view local) {
    return name.Local == local &&
           (kind == FeedKind::Rss ? IsOneOf(name.Namespace, kRssNamespaces)
                                  : IsOneOf(name.Namespace, kAtomNamespaces));
}

bool IsMediaElement(const XmlName& name, std::string_view local) {
    return name.Local == local && IsOneOf(name.Namespace, kMediaNamespaces);
}

} // namespace lumbrant

#include "feeds/FeedParser.h"

#include "feeds/FeedText.h"
#include "feeds/XmlReader.h"
#include "text/ByteText.h"

#include <optional>

namespace lumbrant {

namespace {

constexpr std::string_view kAtomNamespace = "http://www.w3.org/2005/Atom";

enum class FeedKind { Unknown, Rss, Atom };

// How an item's field carries its text: as it stands (plain text, or XHTML
// whose tags arrive as elements of their own), or as escaped HTML.
enum class Markup { Text, Html };

struct Field {
    std::string Raw;
    Markup Kind = Markup::Html;
    bool Seen = false;
};

std::string_view AttributeValue(const std::vector<XmlAttribute>& attributes,
                                std::string_view local) {
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.Name.Namespace.empty() && attribute.Name.Local == local) {
            return attribute.Value;
        }
    }
    return {};
}

std::string_view Trimmed(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A link fit to be fetched and written into a note: a web address without
// blanks or control characters.
std::optional<std::string> UsableLink(std::string_view raw) {
    const std::string_view link = Trimmed(raw);
    if (!text::IsWebAddress(link)) {
        return std::nullopt;
    }
    for (const char c : link) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return std::nullopt;
        }
    }
    return std::string(link);
}

std::string ShownText(const Field& field) {
    return FoldBlanks(field.Kind == Markup::Html ? HtmlToPlainText(field.Raw) : field.Raw);
}

// Collects the items of the feed from the reader's events.
class FeedCollector : public XmlHandler {
public:
    explicit FeedCollector(std::size_t mostItems) : mostItems_(mostItems) {}

    void StartElement(const XmlName& name, const std::vector<XmlAttribute>& attributes) override {
        ++depth_;
        if (kind_ == FeedKind::Unknown) {
            StartRoot(name);
            return;
        }
        if (capture_ != nullptr) {
            capture_->Raw += ' ';
            return;
        }
        if (itemDepth_ == 0) {
            if (IsFeedElement(name, kind_ == FeedKind::Rss ? "item" : "entry")) {
                itemDepth_ = depth_;
                item_ = {};
            }
            return;
        }
        if (depth_ == itemDepth_ + 1) {
            StartItemField(name, attributes);
        }
    }

    void EndElement() override {
        if (capture_ != nullptr && depth_ == captureDepth_) {
            capture_ = nullptr;
        } else if (capture_ != nullptr) {
            capture_->Raw += ' ';
        }
        if (itemDepth_ != 0 && depth_ == itemDepth_) {
            itemDepth_ = 0;
            FinishItem();
        }
        --depth_;
    }

    void Text(std::string_view text) override {
        if (capture_ != nullptr) {
            capture_->Raw.append(text);
        }
    }

    bool Satisfied() const override { return stories_.size() >= mostItems_; }

    std::vector<StoryRecord> TakeStories() { return std::move(stories_); }

private:
    struct Item {
        Field Title;
        Field Link;
        Field Summary;
        Field Content;
        std::string AtomLink;
        bool AtomLinkSeen = false;
    };

    void StartRoot(const XmlName& name) {
        if (name.Namespace.empty() && name.Local == "rss") {
            kind_ = FeedKind::Rss;
        } else if ((name.Namespace.empty() || name.Namespace == kAtomNamespace) &&
                   name.Local == "feed") {
            kind_ = FeedKind::Atom;
            namespace_ = std::string(name.Namespace);
        } else {
            throw XmlError("neither an RSS 2.0 nor an Atom 1.0 feed");
        }
    }

    bool IsFeedElement(const XmlName& name, std::string_view local) const {
        return name.Namespace == namespace_ && name.Local == local;
    }

    void StartItemField(const XmlName& name, const std::vector<XmlAttribute>& attributes) {
        if (kind_ == FeedKind::Rss) {
            if (IsFeedElement(name, "title")) {
                Capture(item_.Title, Markup::Html);
            } else if (IsFeedElement(name, "link")) {
                Capture(item_.Link, Markup::Text);
            } else if (IsFeedElement(name, "description")) {
                Capture(item_.Summary, Markup::Html);
            }
            return;
        }
        if (IsFeedElement(name, "link")) {
            const std::string_view rel = AttributeValue(attributes, "rel");
            if (!item_.AtomLinkSeen && (rel.empty() || rel == "alternate")) {
                item_.AtomLinkSeen = true;
                item_.AtomLink = std::string(AttributeValue(attributes, "href"));
            }
            return;
        }
        const std::string_view type = AttributeValue(attributes, "type");
        const Markup markup = type == "html" || type == "text/html" ? Markup::Html : Markup::Text;
        if (IsFeedElement(name, "title")) {
            Capture(item_.Title, markup);
        } else if (IsFeedElement(name, "summary")) {
            Capture(item_.Summary, markup);
        } else if (IsFeedElement(name, "content")) {
            Capture(item_.Content, markup);
        }
    }

    // The first of each field counts; a repeated one is passed over.
    void Capture(Field& field, Markup markup) {
        if (field.Seen) {
            return;
        }
        field.Seen = true;
        field.Kind = markup;
        capture_ = &field;
        captureDepth_ = depth_;
    }

    void FinishItem() {
        const auto link = UsableLink(kind_ == FeedKind::Rss ? item_.Link.Raw : item_.AtomLink);
        const std::string title = ShownText(item_.Title);
        if (!link || title.empty()) {
            return;
        }
        const Field& summary = item_.Summary.Seen ? item_.Summary : item_.Content;
        stories_.push_back({*link, AsPageText(title), ShownText(summary)});
    }

    std::size_t mostItems_;
    FeedKind kind_ = FeedKind::Unknown;
    std::string namespace_;
    std::size_t depth_ = 0;
    std::size_t itemDepth_ = 0;
    Item item_;
    Field* capture_ = nullptr;
    std::size_t captureDepth_ = 0;
    std::vector<StoryRecord> stories_;
};

} // namespace

std::vector<StoryRecord> ParseFeed(std::string_view document, std::size_t mostItems) {
    FeedCollector collector(mostItems);
    ReadXml(document, collector);
    return collector.TakeStories();
}

} // namespace lumbrant

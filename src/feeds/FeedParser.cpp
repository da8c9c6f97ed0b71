#include "feeds/FeedParser.h"

#include "feeds/FeedEncoding.h"
#include "feeds/FeedFormat.h"
#include "feeds/FeedItem.h"
#include "feeds/XmlReader.h"
#include "text/ByteText.h"

#include <memory>

namespace lumbrant {

namespace {

// A base address longer than this is taken for none.
constexpr std::size_t kLongestBase = 4096;

std::string_view AttributeValue(const std::vector<XmlAttribute>& attributes,
                                std::string_view local) {
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.Name.Namespace.empty() && attribute.Name.Local == local) {
            return attribute.Value;
        }
    }
    return {};
}

const XmlAttribute* XmlBase(const std::vector<XmlAttribute>& attributes) {
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.Name.Namespace == kXmlNamespace && attribute.Name.Local == "base") {
            return &attribute;
        }
    }
    return nullptr;
}

bool IsAlternate(std::string_view rel) {
    return rel.empty() || rel == "alternate" ||
           rel == "http://www.iana.org/assignments/relation/alternate";
}

// How an Atom text construct carries its text, or nothing for base64
// (Atom 0.3), which no summary is read from.
std::optional<Markup> AtomMarkup(const std::vector<XmlAttribute>& attributes) {
    const std::string_view type = AttributeValue(attributes, "type");
    const std::string_view mode = AttributeValue(attributes, "mode");
    if (mode == "base64") {
        return std::nullopt;
    }
    if (type == "html" || type == "text/html" || (mode == "escaped" && type.empty())) {
        return Markup::Html;
    }
    return Markup::Text;
}

// Collects the items of the feed from the reader's events.
class FeedCollector : public XmlHandler {
public:
    FeedCollector(std::size_t mostItems, std::string_view url) : mostItems_(mostItems) {
        bases_.push_back(std::make_shared<const std::string>(
            url.size() <= kLongestBase ? std::string(url) : std::string()));
    }

    void StartElement(const XmlName& name, const std::vector<XmlAttribute>& attributes) override {
        ++depth_;
        PushBase(attributes);
        if (!kind_) {
            kind_ = FeedKindOfRoot(name);
            if (!kind_) {
                throw XmlError("neither an RSS nor an Atom feed");
            }
            return;
        }
        if (capture_ != nullptr) {
            capture_->Raw += ' ';
            return;
        }
        if (itemDepth_ == 0) {
            if (IsFeedElement(*kind_, name, *kind_ == FeedKind::Rss ? "item" : "entry")) {
                itemDepth_ = depth_;
                item_ = {};
                ++reading_.Items;
            }
            return;
        }
        StartItemElement(name, attributes);
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
        bases_.pop_back();
        --depth_;
    }

    void Text(std::string_view text) override {
        if (capture_ != nullptr) {
            capture_->Raw.append(text);
        }
    }

    bool Satisfied() const override { return reading_.Stories.size() >= mostItems_; }

    FeedReading TakeReading() { return std::move(reading_); }

private:
    const std::string& Base() const { return *bases_.back(); }

    // The base in force inside the element: its xml:base read against the
    // one around it, else that one.
    void PushBase(const std::vector<XmlAttribute>& attributes) {
        const XmlAttribute* base = XmlBase(attributes);
        if (base == nullptr) {
            bases_.push_back(bases_.back());
            return;
        }
        std::string resolved = ReadAgainst(Base(), base->Value);
        if (resolved.size() > kLongestBase) {
            resolved.clear();
        }
        bases_.push_back(std::make_shared<const std::string>(std::move(resolved)));
    }

    void StartItemElement(const XmlName& name, const std::vector<XmlAttribute>& attributes) {
        if (IsMediaElement(name, "description")) {
            Capture(item_.Summaries[kMedia],
                    AttributeValue(attributes, "type") == "html" ? Markup::Html : Markup::Text);
            return;
        }
        if (depth_ != itemDepth_ + 1) {
            return;
        }
        if (name.Namespace == kContentNamespace && name.Local == "encoded") {
            Capture(item_.Summaries[kContent], Markup::Html);
        } else if (name.Namespace == kItunesNamespace && name.Local == "summary") {
            Capture(item_.Summaries[kItunes], Markup::Html);
        } else if (*kind_ == FeedKind::Rss) {
            StartRssField(name, attributes);
        } else {
            StartAtomField(name, attributes);
        }
    }

    void StartRssField(const XmlName& name, const std::vector<XmlAttribute>& attributes) {
        if (IsFeedElement(FeedKind::Rss, name, "title")) {
            Capture(item_.Title, Markup::Html);
        } else if (IsFeedElement(FeedKind::Rss, name, "link")) {
            if (Capture(item_.Link, Markup::Text)) {
                item_.LinkBase = Base();
            }
        } else if (IsFeedElement(FeedKind::Rss, name, "guid")) {
            if (Capture(item_.Guid, Markup::Text)) {
                item_.GuidBase = Base();
                const std::string_view permaLink = AttributeValue(attributes, "isPermaLink");
                item_.GuidIsPermaLink =
                    permaLink.empty() || text::EqualsIgnoreCase(permaLink, "true");
            }
        } else if (IsFeedElement(FeedKind::Rss, name, "description")) {
            Capture(item_.Summaries[kDescription], Markup::Html);
        } else if (name.Namespace == kAtomNamespace && name.Local == "link") {
            AddAtomLink(attributes);
        }
    }

    void StartAtomField(const XmlName& name, const std::vector<XmlAttribute>& attributes) {
        if (IsFeedElement(FeedKind::Atom, name, "link")) {
            AddAtomLink(attributes);
            return;
        }
        const auto markup = AtomMarkup(attributes);
        if (!markup) {
            return;
        }
        if (IsFeedElement(FeedKind::Atom, name, "title")) {
            Capture(item_.Title, *markup);
        } else if (IsFeedElement(FeedKind::Atom, name, "summary")) {
            Capture(item_.Summaries[kDescription], *markup);
        } else if (IsFeedElement(FeedKind::Atom, name, "content")) {
            Capture(item_.Summaries[kContent], *markup);
        }
    }

    void AddAtomLink(const std::vector<XmlAttribute>& attributes) {
        const bool alternate = IsAlternate(AttributeValue(attributes, "rel"));
        if (item_.Alternate && !item_.FirstWebLink.empty()) {
            return;
        }
        StoryLink link = ReadStoryLink(Base(), AttributeValue(attributes, "href"));
        if (!item_.FirstLink) {
            item_.FirstLink = link;
        }
        if (item_.FirstWebLink.empty()) {
            item_.FirstWebLink = link.Address;
        }
        if (alternate && !item_.Alternate) {
            item_.Alternate = std::move(link);
        }
    }

    // The first of each field counts; a repeated one is passed over.
    bool Capture(ItemField& field, Markup markup) {
        if (field.Seen) {
            return false;
        }
        field.Seen = true;
        field.Kind = markup;
        capture_ = &field;
        captureDepth_ = depth_;
        return true;
    }

    void FinishItem() {
        ItemOutcome outcome = lumbrant::FinishItem(item_);
        if (outcome.Story) {
            reading_.Stories.push_back(std::move(*outcome.Story));
            return;
        }
        ++reading_.SkippedItems;
        if (reading_.Skips.size() < kMostSkipsTold) {
            reading_.Skips.push_back("item " + std::to_string(reading_.Items) +
                                     " skipped: " + outcome.Fault);
        }
    }

    std::size_t mostItems_;
    std::optional<FeedKind> kind_;
    // The base address in force in each open element, the feed's own below them.
    std::vector<std::shared_ptr<const std::string>> bases_;
    std::size_t depth_ = 0;
    std::size_t itemDepth_ = 0;
    FeedItem item_;
    ItemField* capture_ = nullptr;
    std::size_t captureDepth_ = 0;
    FeedReading reading_;
};

} // namespace

FeedReading ParseFeed(const FeedDocument& document, std::size_t mostItems) {
    const Utf8Feed feed = FeedAsUtf8(document.Bytes, document.Charset);
    FeedCollector collector(mostItems, document.Url);
    std::string fault;
    try {
        ReadXml(feed.Text, collector);
    } catch (const XmlError& error) {
        fault = error.what();
    }
    FeedReading reading = collector.TakeReading();
    reading.Fault = std::move(fault);
    return reading;
}

} // namespace lumbrant

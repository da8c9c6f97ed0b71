#include "extract/PageTree.h"

#include "extract/ClassWords.h"
#include "extract/HtmlParse.h"
#include "text/ByteText.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumbrant {

namespace {

// At most this much of the page's structured data is kept.
constexpr std::size_t kMaxJsonLdBytes = 4 * 1024 * 1024;

bool IsAnyOf(GumboTag tag, std::initializer_list<GumboTag> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool IsRemovedTag(GumboTag tag) {
    return IsAnyOf(tag,
                   {GUMBO_TAG_HEAD,     GUMBO_TAG_SCRIPT,     GUMBO_TAG_STYLE,  GUMBO_TAG_TEMPLATE,
                    GUMBO_TAG_IFRAME,   GUMBO_TAG_OBJECT,     GUMBO_TAG_EMBED,  GUMBO_TAG_SVG,
                    GUMBO_TAG_MATH,     GUMBO_TAG_CANVAS,     GUMBO_TAG_VIDEO,  GUMBO_TAG_AUDIO,
                    GUMBO_TAG_BUTTON,   GUMBO_TAG_INPUT,      GUMBO_TAG_SELECT, GUMBO_TAG_TEXTAREA,
                    GUMBO_TAG_OPTION,   GUMBO_TAG_NAV,        GUMBO_TAG_ASIDE,  GUMBO_TAG_FOOTER,
                    GUMBO_TAG_FIGURE,   GUMBO_TAG_FIGCAPTION, GUMBO_TAG_MENU,   GUMBO_TAG_MAP,
                    GUMBO_TAG_FRAMESET, GUMBO_TAG_LABEL,      GUMBO_TAG_LEGEND, GUMBO_TAG_DATALIST,
                    GUMBO_TAG_OUTPUT,   GUMBO_TAG_PROGRESS,   GUMBO_TAG_METER,  GUMBO_TAG_TITLE,
                    GUMBO_TAG_APPLET,   GUMBO_TAG_RT,         GUMBO_TAG_RP});
}

bool IsBlockTag(GumboTag tag) {
    return IsAnyOf(
        tag, {GUMBO_TAG_ADDRESS,   GUMBO_TAG_ARTICLE, GUMBO_TAG_BLOCKQUOTE, GUMBO_TAG_BODY,
              GUMBO_TAG_CENTER,    GUMBO_TAG_DD,      GUMBO_TAG_DETAILS,    GUMBO_TAG_DIR,
              GUMBO_TAG_DIV,       GUMBO_TAG_DL,      GUMBO_TAG_DT,         GUMBO_TAG_FIELDSET,
              GUMBO_TAG_FORM,      GUMBO_TAG_H1,      GUMBO_TAG_H2,         GUMBO_TAG_H3,
              GUMBO_TAG_H4,        GUMBO_TAG_H5,      GUMBO_TAG_H6,         GUMBO_TAG_HEADER,
              GUMBO_TAG_HGROUP,    GUMBO_TAG_HR,      GUMBO_TAG_HTML,       GUMBO_TAG_LI,
              GUMBO_TAG_MAIN,      GUMBO_TAG_OL,      GUMBO_TAG_P,          GUMBO_TAG_PRE,
              GUMBO_TAG_SECTION,   GUMBO_TAG_SUMMARY, GUMBO_TAG_TABLE,      GUMBO_TAG_TBODY,
              GUMBO_TAG_THEAD,     GUMBO_TAG_TFOOT,   GUMBO_TAG_TR,         GUMBO_TAG_TD,
              GUMBO_TAG_TH,        GUMBO_TAG_CAPTION, GUMBO_TAG_UL,         GUMBO_TAG_LISTING,
              GUMBO_TAG_PLAINTEXT, GUMBO_TAG_XMP,     GUMBO_TAG_NAV,        GUMBO_TAG_ASIDE,
              GUMBO_TAG_FOOTER,    GUMBO_TAG_FIGURE,  GUMBO_TAG_FIGCAPTION, GUMBO_TAG_MENU,
              GUMBO_TAG_VIDEO,     GUMBO_TAG_AUDIO,   GUMBO_TAG_IFRAME,     GUMBO_TAG_CANVAS,
              GUMBO_TAG_OBJECT});
}

std::uint16_t TagFlags(GumboTag tag) {
    std::uint16_t flags = 0;
    if (IsRemovedTag(tag)) {
        flags |= kRemoved;
    }
    if (IsBlockTag(tag)) {
        flags |= kBlock;
    }
    switch (tag) {
    case GUMBO_TAG_BR:
        flags |= kLineBreak;
        break;
    case GUMBO_TAG_A:
        flags |= kLink;
        break;
    case GUMBO_TAG_H1:
        flags |= kHeading | kTitleHeading;
        break;
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
        flags |= kHeading;
        break;
    case GUMBO_TAG_LI:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
        flags |= kListItem;
        break;
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_MAIN:
        flags |= kArticleMark;
        break;
    case GUMBO_TAG_FORM:
        flags |= kForm;
        break;
    case GUMBO_TAG_HEADER:
        flags |= kHeader;
        break;
    case GUMBO_TAG_P:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_BLOCKQUOTE:
        flags |= kParagraph;
        break;
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
        flags |= kTableCell;
        break;
    default:
        break;
    }
    return flags;
}

std::string_view Attribute(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute == nullptr ? std::string_view() : std::string_view(attribute->value);
}

bool StyleHides(std::string_view style) {
    std::string compact;
    for (const char c : style.substr(0, 512)) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            compact += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return compact.find("display:none") != std::string::npos ||
           compact.find("visibility:hidden") != std::string::npos;
}

bool IsHidden(const GumboElement& element) {
    return gumbo_get_attribute(&element.attributes, "hidden") != nullptr ||
           text::EqualsIgnoreCase(Attribute(element, "aria-hidden"), "true") ||
           StyleHides(Attribute(element, "style")) ||
           ClassHidesText(Attribute(element, "class"), Attribute(element, "id"));
}

bool ContainsWord(std::string_view list, std::string_view word) {
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(' ', start);
        if (end == std::string_view::npos) {
            end = list.size();
        }
        if (text::EqualsIgnoreCase(list.substr(start, end - start), word)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::uint16_t AttributeFlags(const GumboElement& element) {
    std::uint16_t flags = 0;
    if (IsHidden(element)) {
        flags |= kRemoved;
    }
    const std::string_view itemprop = Attribute(element, "itemprop");
    if (ContainsWord(itemprop, "articleBody") || ContainsWord(itemprop, "text")) {
        flags |= kArticleBody;
    }
    const std::string_view role = Attribute(element, "role");
    if (text::EqualsIgnoreCase(role, "main") || text::EqualsIgnoreCase(role, "article")) {
        flags |= kArticleMark;
    }
    if (text::EqualsIgnoreCase(role, "navigation") ||
        text::EqualsIgnoreCase(role, "complementary") ||
        text::EqualsIgnoreCase(role, "contentinfo") || text::EqualsIgnoreCase(role, "banner") ||
        text::EqualsIgnoreCase(role, "dialog") || text::EqualsIgnoreCase(role, "alert")) {
        flags |= kRemoved;
    }
    return flags;
}

std::string OwnText(const GumboNode& element) {
    std::string text;
    const GumboVector& children = element.v.element.children;
    for (unsigned index = 0; index < children.length; ++index) {
        const auto* child = static_cast<const GumboNode*>(children.data[index]);
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_CDATA ||
            child->type == GUMBO_NODE_WHITESPACE) {
            text += child->v.text.text;
        }
    }
    return text;
}

std::string Folded(std::string_view text) {
    std::string out;
    AppendFolded(out, text);
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    if (!out.empty() && out.front() == ' ') {
        out.erase(0, 1);
    }
    return out;
}

class TreeBuilder {
public:
    explicit TreeBuilder(PageTree& tree) : Tree_(tree) {}

    void Build(const GumboNode* document) {
        struct Pending {
            const GumboNode* Node;
            std::uint32_t Parent;
        };
        // The explicit stack holds the siblings still to visit, last first.
        std::vector<Pending> stack{{document, kNoNode}};
        std::vector<std::uint32_t> open;
        while (!stack.empty()) {
            const Pending next = stack.back();
            stack.pop_back();
            while (!open.empty() && open.back() != next.Parent) {
                Close(open.back());
                open.pop_back();
            }
            const std::uint32_t index = Add(*next.Node, next.Parent);
            if (index == kNoNode) {
                continue;
            }
            open.push_back(index);
            const GumboVector* children = Children(*next.Node);
            if (children == nullptr) {
                continue;
            }
            for (unsigned child = children->length; child-- > 0;) {
                stack.push_back({static_cast<const GumboNode*>(children->data[child]), index});
            }
        }
        while (!open.empty()) {
            Close(open.back());
            open.pop_back();
        }
    }

private:
    static const GumboVector* Children(const GumboNode& node) {
        if (node.type == GUMBO_NODE_DOCUMENT) {
            return &node.v.document.children;
        }
        if (node.type == GUMBO_NODE_ELEMENT || node.type == GUMBO_NODE_TEMPLATE) {
            return &node.v.element.children;
        }
        return nullptr;
    }

    void Close(std::uint32_t index) {
        Tree_.Nodes[index].End = static_cast<std::uint32_t>(Tree_.Nodes.size());
    }

    std::uint32_t Add(const GumboNode& node, std::uint32_t parent) {
        TreeNode added;
        added.Parent = parent;
        switch (node.type) {
        case GUMBO_NODE_DOCUMENT:
            break;
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            ReadElement(node, added);
            break;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            added.Flags = kText;
            added.TextBegin = static_cast<std::uint32_t>(Tree_.Text.size());
            AppendFolded(Tree_.Text, node.v.text.text);
            added.TextSize = static_cast<std::uint32_t>(Tree_.Text.size()) - added.TextBegin;
            break;
        default:
            return kNoNode;
        }
        Tree_.Nodes.push_back(added);
        return static_cast<std::uint32_t>(Tree_.Nodes.size() - 1);
    }

    void ReadElement(const GumboNode& node, TreeNode& added) {
        const GumboElement& element = node.v.element;
        added.Tag = element.tag;
        added.Flags = TagFlags(element.tag) | AttributeFlags(element);
        const int balance = ClassBalance(Attribute(element, "class"), Attribute(element, "id"));
        added.ClassBalance = static_cast<std::int8_t>(std::clamp(balance, -8, 8));
        if ((node.parse_flags & GUMBO_INSERTION_BY_PARSER) == 0) {
            Tree_.HasMarkup = true;
        }
        ReadMetadata(node, element);
    }

    void ReadMetadata(const GumboNode& node, const GumboElement& element) {
        if (element.tag == GUMBO_TAG_TITLE && Tree_.Title.empty()) {
            Tree_.Title = Folded(OwnText(node));
        } else if (element.tag == GUMBO_TAG_META) {
            const std::string_view name = Attribute(element, "name");
            const std::string_view property = Attribute(element, "property");
            const std::string_view content = Attribute(element, "content");
            if ((text::EqualsIgnoreCase(name, "description") ||
                 text::EqualsIgnoreCase(property, "og:description")) &&
                Tree_.Description.empty()) {
                Tree_.Description = Folded(content);
            } else if (text::EqualsIgnoreCase(property, "og:title") &&
                       Tree_.OpenGraphTitle.empty()) {
                Tree_.OpenGraphTitle = Folded(content);
            }
        } else if (element.tag == GUMBO_TAG_SCRIPT &&
                   text::EqualsIgnoreCase(Attribute(element, "type"), "application/ld+json")) {
            std::string json = OwnText(node);
            if (JsonLdBytes_ + json.size() <= kMaxJsonLdBytes) {
                JsonLdBytes_ += json.size();
                Tree_.JsonLd.push_back(std::move(json));
            }
        }
    }

    PageTree& Tree_;
    std::size_t JsonLdBytes_ = 0;
};

bool IsFoldedBlank(std::string_view text, std::size_t at, std::size_t& length) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
        length = 1;
        return true;
    }
    if (c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0') {
        length = 2;
        return true;
    }
    return false;
}

} // namespace

void AppendFolded(std::string& out, std::string_view text) {
    bool blank = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 0;
        if (IsFoldedBlank(text, at, length)) {
            blank = true;
            at += length;
            continue;
        }
        if (blank) {
            out += ' ';
            blank = false;
        }
        out += text[at];
        ++at;
    }
    if (blank) {
        out += ' ';
    }
}

PageTree BuildPageTree(std::string_view html) {
    PageTree tree;
    ParsedHtml parsed(html);
    tree.Truncated = parsed.StoppedAtLimit();
    tree.Text.reserve(html.size() / 2);
    TreeBuilder(tree).Build(parsed.Document());
    return tree;
}

} // namespace lumbrant

#pragma once

// A streaming reader of XML documents: it hands a document's elements and
// text, in order, to a handler. The document is UTF-8, whatever its
// declaration says (FeedAsUtf8 makes it so). Whatever reads it stands
// behind this port in a file of its own (XmlReaderExpat.cpp on Linux,
// XmlReaderWin.cpp on Windows). The reading ends with the root element's
// end: nothing after it is read. The named character references of HTML5
// ("&nbsp;", "&colon;", ...) are known without any DTD; no DTD of the
// document is read and nothing is fetched on its word, and no entity that a
// document declares is ever expanded: a document that declares one is
// refused, and so is a reference to a name that HTML5 does not know, and a
// document whose elements nest deeper than the limit.

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace lumbrant {

// An element's or attribute's name: its namespace (empty for none) and its local part.
struct XmlName {
    std::string_view Namespace;
    std::string_view Local;
};

struct XmlAttribute {
    XmlName Name;
    std::string_view Value;
};

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void StartElement(const XmlName& name, const std::vector<XmlAttribute>& attributes) = 0;
    virtual void EndElement() = 0;
    // Character data with its references resolved and CDATA sections
    // unwrapped; one run of text may come in several pieces.
    virtual void Text(std::string_view text) = 0;
    // True once the handler needs no more of the document: the reading ends
    // there, as if the document ended.
    virtual bool Satisfied() const = 0;
};

// Why a document could not be read to its end: it is not well-formed XML,
// declares entities, refers to an unknown one, or nests too deep. What the
// handler was given before stays given.
class XmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::size_t kMaxXmlDepth = 64;

// The five entities every XML document has without declaring them.
constexpr bool IsXmlPredefinedEntity(std::string_view name) {
    return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos";
}

// Reads the document to its root element's end, or until the handler is
// satisfied. Throws XmlError, or what the handler threw.
void ReadXml(std::string_view document, XmlHandler& handler, std::size_t maxDepth = kMaxXmlDepth);

} // namespace lumbrant

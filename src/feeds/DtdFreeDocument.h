#pragma once

// A document made fit for an XML reader that reads no DTD at all, so that
// HTML5's names read the same with every reader (expat on Linux, XmlLite on
// Windows, which has no hook through which they could be declared).

#include <string>
#include <string_view>

namespace lumbrant {

struct DtdFreeText {
    // The document with every named reference of HTML5 outside CDATA
    // sections, comments and processing instructions written as the
    // numeric reference of its characters ("&nbsp;" as "&#xA0;"), and its
    // document type declaration blanked but for its line breaks; cut short
    // where it refers to a name that HTML5 does not know.
    std::string Text;
    // True when the text was cut there.
    bool CutAtUnknownName = false;
};

// Throws XmlError ("the document declares entities") when its document
// type declaration declares an entity.
DtdFreeText DtdFreeDocument(std::string_view document);

// Throws the reader's fault in the text as XmlError: "undefined entity at
// line N" where the text was cut at an unknown name and the reader ran to
// that cut, else "<what> at line <line>".
[[noreturn]] void ThrowReadingFault(const DtdFreeText& free, const std::string& what,
                                    unsigned long line);

} // namespace lumbrant

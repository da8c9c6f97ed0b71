#pragma once

// A document made fit for an XML reader that reads no DTD at all (XmlLite
// on Windows, which has no hook through which HTML5's names could be
// declared), so that it reads as the reader that declares them does.

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

} // namespace lumbrant

#include "feeds/DtdFreeDocument.h"

#include "feeds/XmlReader.h"
#include "text/NamedCharacters.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace lumbrant {

namespace {

void AppendReference(std::string& out, char32_t character) {
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(character));
    out += reference;
}

// The end (one past) of the text from at to the first closing mark after
// it, or the document's end when there is none.
std::size_t PastClose(std::string_view document, std::size_t at, std::string_view close) {
    const std::size_t found = document.find(close, at);
    return found == std::string_view::npos ? document.size() : found + close.size();
}

struct DocumentType {
    std::size_t End = std::string_view::npos; // one past its ">", npos when it does not end
    bool DeclaresEntities = false;
};

// The document type declaration that starts at at: quoted literals and
// the internal subset (with its comments and processing instructions)
// passed over, its entity declarations noticed.
DocumentType ReadDocumentType(std::string_view document, std::size_t at) {
    DocumentType type;
    char quote = '\0';
    bool inSubset = false;
    for (at += 9; at < document.size(); ++at) {
        const char c = document[at];
        const std::string_view rest = document.substr(at);
        if (quote != '\0') {
            quote = c == quote ? '\0' : quote;
        } else if (inSubset && rest.starts_with("<!--")) {
            at = PastClose(document, at + 4, "-->") - 1;
        } else if (inSubset && rest.starts_with("<?")) {
            at = PastClose(document, at + 2, "?>") - 1;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (inSubset) {
            type.DeclaresEntities = type.DeclaresEntities || rest.starts_with("<!ENTITY");
            inSubset = c != ']';
        } else if (c == '[') {
            inSubset = true;
        } else if (c == '>') {
            type.End = at + 1;
            return type;
        }
    }
    return type;
}

// The name of the entity reference at at (its "&" there), or nothing when
// no name and ";" follow it: then it is a numeric reference or no
// reference at all, which the reader judges.
std::optional<std::string_view> ReferredName(std::string_view document, std::size_t at) {
    const std::size_t end = document.find_first_of(" \t\r\n<&;\"'", at + 1);
    if (end == std::string_view::npos || document[end] != ';' || end == at + 1 ||
        document[at + 1] == '#') {
        return std::nullopt;
    }
    return document.substr(at + 1, end - at - 1);
}

// The line on which the text's end stands.
unsigned long LastLine(std::string_view text) {
    unsigned long line = 1;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' ||
            (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

} // namespace

DtdFreeText DtdFreeDocument(std::string_view document) {
    DtdFreeText free;
    std::string& out = free.Text;
    out.reserve(document.size());
    std::size_t at = 0;
    while (at < document.size()) {
        const std::size_t mark = std::min(document.find_first_of("<&", at), document.size());
        out.append(document.substr(at, mark - at));
        at = mark;
        if (at == document.size()) {
            break;
        }
        const std::string_view rest = document.substr(at);
        std::size_t next = at + 1;
        if (rest.starts_with("&")) {
            const auto name = ReferredName(document, at);
            if (!name || IsXmlPredefinedEntity(*name)) {
                out += '&';
                ++at;
                continue;
            }
            const text::NamedCharacter* named = text::FindNamedCharacter(*name);
            if (named == nullptr) {
                free.CutAtUnknownName = true;
                return free;
            }
            AppendReference(out, named->First);
            if (named->Second != 0) {
                AppendReference(out, named->Second);
            }
            at += name->size() + 2;
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            next = PastClose(document, at + 9, "]]>");
        } else if (rest.starts_with("<!--")) {
            next = PastClose(document, at + 4, "-->");
        } else if (rest.starts_with("<?")) {
            next = PastClose(document, at + 2, "?>");
        } else if (rest.starts_with("<!DOCTYPE")) {
            const DocumentType type = ReadDocumentType(document, at);
            if (type.DeclaresEntities) {
                throw XmlError("the document declares entities");
            }
            if (type.End != std::string_view::npos) {
                const std::string_view declaration = document.substr(at, type.End - at);
                out.append(static_cast<std::size_t>(
                               std::count(declaration.begin(), declaration.end(), '\n')),
                           '\n');
                at = type.End;
                continue;
            }
        }
        out.append(document.substr(at, next - at));
        at = next;
    }
    return free;
}

void ThrowReadingFault(const DtdFreeText& free, const std::string& what, unsigned long line) {
    const unsigned long cut = LastLine(free.Text);
    if (free.CutAtUnknownName && line >= cut) {
        throw XmlError("undefined entity at line " + std::to_string(cut));
    }
    throw XmlError(what + " at line " + std::to_string(line));
}

} // namespace lumbrant

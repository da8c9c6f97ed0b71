#include "feeds/DtdFreeDocument.h"
#include "feeds/XmlReader.h"
#include "text/WideText.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <shlwapi.h>
#include <string>
#include <windows.h>
#include <xmllite.h>

namespace lumbrant {

namespace {

// mingw-w64 has the reader's header but no import library for it, so the
// reader is found at run time in the system's own xmllite.dll.
using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T> using Owned = std::unique_ptr<T, Release>;

Owned<IXmlReader> MakeReader() {
    static const auto create = reinterpret_cast<CreateXmlReaderFunction>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"xmllite.dll"), "CreateXmlReader")));
    IXmlReader* reader = nullptr;
    if (create == nullptr ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr))) {
        throw XmlError("no XML reader can be made");
    }
    return Owned<IXmlReader>(reader);
}

// A name or value of the node the reader stands on, in UTF-8 as expat gives it.
std::string Read(IXmlReader& reader,
                 HRESULT (STDMETHODCALLTYPE IXmlReader::*get)(LPCWSTR*, UINT*)) {
    const WCHAR* text = nullptr;
    UINT length = 0;
    if (FAILED((reader.*get)(&text, &length))) {
        throw XmlError("the XML reader lost its place");
    }
    return text::FromWide(std::wstring_view(text, length), text::kUtf8CodePage);
}

struct Named {
    std::string Namespace;
    std::string Local;
    std::string Value;
};

bool IsNamespaceDeclaration(const Named& attribute) {
    return attribute.Namespace == "http://www.w3.org/2000/xmlns/" ||
           (attribute.Namespace.empty() && attribute.Local == "xmlns");
}

// Where the reader stands in the document.
struct Place {
    UINT Line = 0;
    UINT Column = 0;
    bool operator==(const Place&) const = default;
};

Place PlaceOf(IXmlReader& reader) {
    Place place;
    reader.GetLineNumber(&place.Line);
    reader.GetLinePosition(&place.Column);
    return place;
}

// Why a reading ended before the root element's end, and where.
struct Fault {
    std::string What;
    UINT Line = 0;
};

Fault RefusalAt(HRESULT result, IXmlReader& reader) {
    // No document type is ever read: DtdFreeDocument took out the one a
    // document had, so only one it could not find the end of is left here.
    if (result == static_cast<HRESULT>(WC_E_DTDPROHIBITED)) {
        return {"a document type that does not end", PlaceOf(reader).Line};
    }
    char code[16];
    std::snprintf(code, sizeof code, "%08lx", static_cast<unsigned long>(result));
    return {std::string("not well-formed XML (0x") + code + ")", PlaceOf(reader).Line};
}

constexpr const char* kEndsInside = "the document ends inside an element";

void StartElement(IXmlReader& reader, XmlHandler& handler) {
    const Named element{
        Read(reader, &IXmlReader::GetNamespaceUri), Read(reader, &IXmlReader::GetLocalName), {}};
    std::vector<Named> attributes;
    for (HRESULT at = reader.MoveToFirstAttribute(); at == S_OK;
         at = reader.MoveToNextAttribute()) {
        Named attribute{Read(reader, &IXmlReader::GetNamespaceUri),
                        Read(reader, &IXmlReader::GetLocalName),
                        Read(reader, &IXmlReader::GetValue)};
        if (!IsNamespaceDeclaration(attribute)) {
            attributes.push_back(std::move(attribute));
        }
    }
    std::vector<XmlAttribute> views;
    for (const Named& attribute : attributes) {
        views.push_back({{attribute.Namespace, attribute.Local}, attribute.Value});
    }
    handler.StartElement({element.Namespace, element.Local}, views);
}

// Reads the document's nodes to its root element's end or until the
// handler is satisfied; answers what ended the reading before that.
std::optional<Fault> ReadNodes(const std::string& document, XmlHandler& handler,
                               std::size_t maxDepth) {
    Owned<IXmlReader> reader = MakeReader();
    Owned<IStream> input(SHCreateMemStream(reinterpret_cast<const BYTE*>(document.data()),
                                           static_cast<UINT>(document.size())));
    if (!input ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(input.get()))) {
        throw XmlError("the XML reader cannot take the document");
    }
    // Where each open element started. Wine's reader, given a document that
    // stops inside an element, gives its last node again and again, or
    // closes the open elements where they started: either is the end.
    std::vector<Place> open;
    Place last;
    bool rootSeen = false;
    std::size_t nodesLeft = document.size() + 1;
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    while ((result = reader->Read(&type)) == S_OK) {
        const Place place = PlaceOf(*reader);
        if ((rootSeen && place == last) || nodesLeft-- == 0) {
            return Fault{kEndsInside, place.Line};
        }
        last = place;
        switch (type) {
        case XmlNodeType_Element: {
            if (open.size() == maxDepth) {
                throw XmlError("elements nest deeper than " + std::to_string(maxDepth));
            }
            const bool empty = reader->IsEmptyElement();
            open.push_back(place);
            rootSeen = true;
            StartElement(*reader, handler);
            if (empty && !handler.Satisfied()) {
                open.pop_back();
                handler.EndElement();
            }
            break;
        }
        case XmlNodeType_EndElement:
            if (open.empty() || open.back() == place) {
                return Fault{kEndsInside, place.Line};
            }
            open.pop_back();
            handler.EndElement();
            break;
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            if (!open.empty()) {
                const std::string text = Read(*reader, &IXmlReader::GetValue);
                if (!text.empty()) {
                    handler.Text(text);
                }
            }
            break;
        default:
            break;
        }
        // Whatever follows the root element is no part of the document.
        if (handler.Satisfied() || (rootSeen && open.empty())) {
            return std::nullopt;
        }
    }
    if (FAILED(result)) {
        return RefusalAt(result, *reader);
    }
    return Fault{rootSeen ? kEndsInside : "no element found", PlaceOf(*reader).Line};
}

} // namespace

void ReadXml(std::string_view document, XmlHandler& handler, std::size_t maxDepth) {
    const DtdFreeText free = DtdFreeDocument(document);
    const std::optional<Fault> fault = ReadNodes(free.Text, handler, maxDepth);
    if (!fault) {
        return;
    }
    ThrowReadingFault(free, fault->What, std::max<UINT>(fault->Line, 1));
}

} // namespace lumbrant

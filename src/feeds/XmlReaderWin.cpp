#include "feeds/DtdFreeDocument.h"
#include "feeds/XmlReader.h"

#include <cstdio>
#include <memory>
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

std::string Utf8(const WCHAR* text, UINT length) {
    if (length == 0) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr,
                        nullptr);
    return out;
}

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
    return Utf8(text, length);
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

XmlError AtLine(IXmlReader& reader, const std::string& what) {
    UINT line = 0;
    reader.GetLineNumber(&line);
    return XmlError(what + " at line " + std::to_string(line));
}

// No document type is ever read: DtdFreeDocument took out the one a
// document had, so only one it could not find the end of is left here.
XmlError Refusal(HRESULT result, IXmlReader& reader) {
    if (result == static_cast<HRESULT>(WC_E_DTDPROHIBITED)) {
        return AtLine(reader, "a document type that does not end");
    }
    char code[16];
    std::snprintf(code, sizeof code, "%08lx", static_cast<unsigned long>(result));
    return AtLine(reader, std::string("not well-formed XML (0x") + code + ")");
}

} // namespace

void ReadXml(std::string_view original, XmlHandler& handler, std::size_t maxDepth) {
    const std::string document = DtdFreeDocument(original);
    Owned<IXmlReader> reader = MakeReader();
    Owned<IStream> input(SHCreateMemStream(reinterpret_cast<const BYTE*>(document.data()),
                                           static_cast<UINT>(document.size())));
    if (!input ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(input.get()))) {
        throw XmlError("the XML reader cannot take the document");
    }
    // Every node but an empty element's end takes at least one byte of the
    // document; a reader that stops moving on a broken document is stopped.
    std::size_t nodesLeft = document.size() + 1;
    std::size_t depth = 0;
    bool rootSeen = false;
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    while ((result = reader->Read(&type)) == S_OK) {
        if (nodesLeft-- == 0) {
            throw AtLine(*reader, "the document does not end");
        }
        switch (type) {
        case XmlNodeType_Element: {
            if (depth == maxDepth) {
                throw XmlError("elements nest deeper than " + std::to_string(maxDepth));
            }
            const bool empty = reader->IsEmptyElement();
            const Named element{Read(*reader, &IXmlReader::GetNamespaceUri),
                                Read(*reader, &IXmlReader::GetLocalName),
                                {}};
            std::vector<Named> attributes;
            for (HRESULT at = reader->MoveToFirstAttribute(); at == S_OK;
                 at = reader->MoveToNextAttribute()) {
                Named attribute{Read(*reader, &IXmlReader::GetNamespaceUri),
                                Read(*reader, &IXmlReader::GetLocalName),
                                Read(*reader, &IXmlReader::GetValue)};
                if (!IsNamespaceDeclaration(attribute)) {
                    attributes.push_back(std::move(attribute));
                }
            }
            std::vector<XmlAttribute> views;
            for (const Named& attribute : attributes) {
                views.push_back({{attribute.Namespace, attribute.Local}, attribute.Value});
            }
            ++depth;
            rootSeen = true;
            handler.StartElement({element.Namespace, element.Local}, views);
            if (empty && !handler.Satisfied()) {
                --depth;
                handler.EndElement();
            }
            break;
        }
        case XmlNodeType_EndElement:
            --depth;
            handler.EndElement();
            break;
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            if (depth > 0) {
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
        if (handler.Satisfied() || (rootSeen && depth == 0)) {
            return;
        }
    }
    if (FAILED(result)) {
        throw Refusal(result, *reader);
    }
    if (!rootSeen) {
        throw AtLine(*reader, "no element found");
    }
    if (depth > 0) {
        throw AtLine(*reader, "the document ends inside an element");
    }
}

} // namespace lumbrant

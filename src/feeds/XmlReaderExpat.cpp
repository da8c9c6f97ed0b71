#include "feeds/DtdFreeDocument.h"
#include "feeds/XmlReader.h"

#include <algorithm>
#include <exception>
#include <expat.h>
#include <memory>
#include <string>

namespace lumbrant {

namespace {

// Expat joins a namespace and a local name with this; XML 1.0 allows it in neither.
constexpr char kNamespaceSeparator = '\x01';
constexpr std::size_t kChunk = 64 * 1024;

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

struct Reading {
    XML_Parser Parser = nullptr;
    XmlHandler* Handler = nullptr;
    std::size_t MaxDepth = 0;
    std::size_t Depth = 0;
    // Expat may still call a handler or two after it was asked to stop.
    bool Stopped = false;
    // The root element ended, or the handler needs no more.
    bool Done = false;
    // Why the reading stopped the parser itself, or what a handler threw.
    std::string Refusal;
    std::exception_ptr Thrown;
};

Reading& Of(void* data) {
    return *static_cast<Reading*>(data);
}

void Stop(Reading& reading) {
    reading.Stopped = true;
    XML_StopParser(reading.Parser, XML_FALSE);
}

void Refuse(Reading& reading, std::string why) {
    reading.Refusal = std::move(why);
    Stop(reading);
}

XmlName SplitName(const XML_Char* name) {
    const std::string_view whole(name);
    const auto separator = whole.find(kNamespaceSeparator);
    if (separator == std::string_view::npos) {
        return {{}, whole};
    }
    return {whole.substr(0, separator), whole.substr(separator + 1)};
}

// Runs a handler call. Nothing may unwind through expat's C frames, so what
// the handler throws is kept and thrown again once the parser has stopped.
template <typename Call> void Guarded(Reading& reading, Call call) {
    try {
        call(*reading.Handler);
        if (reading.Handler->Satisfied()) {
            reading.Done = true;
            Stop(reading);
        }
    } catch (...) {
        reading.Thrown = std::current_exception();
        Stop(reading);
    }
}

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    Reading& reading = Of(data);
    if (reading.Stopped) {
        return;
    }
    if (reading.Depth == reading.MaxDepth) {
        Refuse(reading, "elements nest deeper than " + std::to_string(reading.MaxDepth));
        return;
    }
    ++reading.Depth;
    Guarded(reading, [&](XmlHandler& handler) {
        std::vector<XmlAttribute> read;
        for (const XML_Char** at = attributes; *at != nullptr; at += 2) {
            read.push_back({SplitName(at[0]), at[1]});
        }
        handler.StartElement(SplitName(name), read);
    });
}

void OnEnd(void* data, const XML_Char*) {
    Reading& reading = Of(data);
    if (reading.Stopped) {
        return;
    }
    --reading.Depth;
    Guarded(reading, [](XmlHandler& handler) { handler.EndElement(); });
    if (reading.Depth == 0 && !reading.Stopped) {
        // Whatever follows the root element is no part of the document.
        reading.Done = true;
        Stop(reading);
    }
}

void OnText(void* data, const XML_Char* text, int length) {
    Reading& reading = Of(data);
    if (reading.Stopped) {
        return;
    }
    Guarded(reading, [&](XmlHandler& handler) {
        handler.Text(std::string_view(text, static_cast<std::size_t>(length)));
    });
}

// The document type is blanked before expat reads the document, so this
// only guards that: an entity declaration is refused before anything can
// refer to it, and no entity of the document is ever expanded.
void OnEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                         const XML_Char*, const XML_Char*, const XML_Char*) {
    Reading& reading = Of(data);
    if (!reading.Stopped) {
        Refuse(reading, "the document declares entities");
    }
}

} // namespace

void ReadXml(std::string_view document, XmlHandler& handler, std::size_t maxDepth) {
    const DtdFreeText free = DtdFreeDocument(document);
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
        XML_ParserCreateNS("UTF-8", kNamespaceSeparator));
    if (!parser) {
        throw XmlError("no XML parser can be made");
    }
    Reading reading;
    reading.Parser = parser.get();
    reading.Handler = &handler;
    reading.MaxDepth = maxDepth;
    XML_SetUserData(parser.get(), &reading);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetEntityDeclHandler(parser.get(), OnEntityDeclaration);

    std::string_view rest = free.Text;
    do {
        const std::string_view chunk = rest.substr(0, std::min(rest.size(), kChunk));
        rest.remove_prefix(chunk.size());
        if (XML_Parse(parser.get(), chunk.data(), static_cast<int>(chunk.size()), rest.empty()) ==
            XML_STATUS_OK) {
            continue;
        }
        if (reading.Thrown) {
            std::rethrow_exception(reading.Thrown);
        }
        if (reading.Done) {
            return;
        }
        if (!reading.Refusal.empty()) {
            throw XmlError(reading.Refusal);
        }
        ThrowReadingFault(free, XML_ErrorString(XML_GetErrorCode(parser.get())),
                          XML_GetCurrentLineNumber(parser.get()));
    } while (!rest.empty());
}

} // namespace lumbrant

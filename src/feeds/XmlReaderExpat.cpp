#include "feeds/XmlReader.h"
#include "text/NamedCharacters.h"

#include <algorithm>
#include <cstdio>
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

// An entity declaration is refused before anything can refer to it: no
// entity of the document, internal or external, is ever expanded.
void OnEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                         const XML_Char*, const XML_Char*, const XML_Char*) {
    Reading& reading = Of(data);
    if (!reading.Stopped) {
        Refuse(reading, "the document declares entities");
    }
}

// Where the document refers to an entity that nobody declared (expat calls
// it skipped, since the document has a DTD it has not read): refused, as
// it is on every system. Expat cannot tell of one inside an attribute's
// value; there the reference is dropped.
void OnSkippedEntity(void* data, const XML_Char*, int) {
    Reading& reading = Of(data);
    if (!reading.Stopped) {
        Refuse(reading, "undefined entity at line " +
                            std::to_string(XML_GetCurrentLineNumber(reading.Parser)));
    }
}

void AppendReference(std::string& out, char32_t character) {
    // Written as "&#38;#x...;", so that the entity's text is the character
    // reference itself and a "<" or "&" of it stays a character.
    char digits[24];
    std::snprintf(digits, sizeof digits, "&#38;#x%X;", static_cast<unsigned>(character));
    out += digits;
}

// HTML5's named characters as the declarations of a DTD.
const std::string& BuiltInDeclarations() {
    static const std::string declarations = [] {
        std::string out;
        for (const text::NamedCharacter& named : text::NamedCharacters()) {
            if (IsXmlPredefinedEntity(named.Name)) {
                continue;
            }
            out += "<!ENTITY ";
            out += named.Name;
            out += " \"";
            AppendReference(out, named.First);
            if (named.Second != 0) {
                AppendReference(out, named.Second);
            }
            out += "\">\n";
        }
        return out;
    }();
    return declarations;
}

// Every external DTD, the document's own (which is never fetched) or the
// one it has none of, is read as the built-in declarations; no other
// external entity is ever asked for, since a document's own declarations
// are refused.
int OnExternalEntity(XML_Parser parser, const XML_Char* context, const XML_Char*, const XML_Char*,
                     const XML_Char*) {
    if (Of(XML_GetUserData(parser)).Stopped) {
        return XML_STATUS_ERROR;
    }
    const std::unique_ptr<XML_ParserStruct, ParserFree> dtd(
        XML_ExternalEntityParserCreate(parser, context, nullptr));
    if (!dtd) {
        return XML_STATUS_ERROR;
    }
    XML_SetEntityDeclHandler(dtd.get(), nullptr);
    const std::string& declarations = BuiltInDeclarations();
    return XML_Parse(dtd.get(), declarations.data(), static_cast<int>(declarations.size()),
                     XML_TRUE);
}

std::string ParseError(XML_Parser parser) {
    return std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
           std::to_string(XML_GetCurrentLineNumber(parser));
}

} // namespace

void ReadXml(std::string_view document, XmlHandler& handler, std::size_t maxDepth) {
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
    XML_SetSkippedEntityHandler(parser.get(), OnSkippedEntity);
    XML_SetExternalEntityRefHandler(parser.get(), OnExternalEntity);
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_ALWAYS);
    XML_UseForeignDTD(parser.get(), XML_TRUE);

    std::string_view rest = document;
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
        throw XmlError(reading.Refusal.empty() ? ParseError(parser.get()) : reading.Refusal);
    } while (!rest.empty());
}

} // namespace lumbrant

#include "text/ByteText.h"
#include "text/Encoding.h"
#include "text/SystemDecoding.h"
#include "text/WideText.h"

#include <array>
#include <charconv>
#include <windows.h>

namespace text {

namespace {

struct CodePage {
    std::string_view Encoding;
    UINT Number;
};

// The encodings whose code page their name does not give (windows-1250 does).
constexpr std::array<CodePage, 25> kCodePages{{
    {"IBM866", 866},        {"ISO-8859-2", 28592},  {"ISO-8859-3", 28593},
    {"ISO-8859-4", 28594},  {"ISO-8859-5", 28595},  {"ISO-8859-6", 28596},
    {"ISO-8859-7", 28597},  {"ISO-8859-8", 28598},  {"ISO-8859-8-I", 38598},
    {"ISO-8859-10", 28600}, {"ISO-8859-13", 28603}, {"ISO-8859-14", 28604},
    {"ISO-8859-15", 28605}, {"ISO-8859-16", 28606}, {"KOI8-R", 20866},
    {"KOI8-U", 21866},      {"macintosh", 10000},   {"x-mac-cyrillic", 10007},
    {"GBK", 936},           {"gb18030", 54936},     {"Big5", 950},
    {"EUC-JP", 20932},      {"ISO-2022-JP", 50220}, {"Shift_JIS", 932},
    {"EUC-KR", 949},
}};

// A code page named by its number: "cp866", "ibm437", "windows-1125", "x-cp1250".
UINT NumberedCodePage(std::string_view encoding) {
    for (const std::string_view prefix : {"cp", "ibm", "windows-", "x-cp"}) {
        if (encoding.size() <= prefix.size() ||
            !EqualsIgnoreCase(encoding.substr(0, prefix.size()), prefix)) {
            continue;
        }
        const std::string_view digits = encoding.substr(prefix.size());
        UINT number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() && number < 65536) {
            return number;
        }
    }
    return 0;
}

UINT CodePageOf(std::string_view encoding) {
    for (const CodePage& page : kCodePages) {
        if (page.Encoding == encoding) {
            return page.Number;
        }
    }
    return NumberedCodePage(encoding);
}

} // namespace

bool SystemKnowsEncoding(std::string_view encoding) {
    const UINT codePage = CodePageOf(encoding);
    return codePage != 0 && IsValidCodePage(codePage);
}

bool DecodeWithSystem(std::string_view bytes, std::string_view encoding, std::string& out) {
    const UINT codePage = CodePageOf(encoding);
    if (codePage == 0 || !IsValidCodePage(codePage)) {
        return false;
    }
    out.clear();
    if (bytes.empty()) {
        return true;
    }
    const std::wstring wide = ToWide(bytes, codePage);
    if (wide.empty()) {
        return false;
    }
    out = FromWide(wide, kUtf8CodePage);
    return true;
}

} // namespace text

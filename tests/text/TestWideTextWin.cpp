#include "text/WideText.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace text {
namespace {

// What the windows, paths and addresses hand to the system and read back.
TEST(WideText, TextsGoToTheSystemAndComeBackAsTheyWere) {
    struct Case {
        const char* What;
        std::string Bytes;
        unsigned CodePage;
        std::wstring Wide;
    };
    const std::string systemE = GetACP() == CP_UTF8 ? "\xC3\xA9" : "\xE9";
    const Case cases[] = {
        {"nothing", "", kUtf8CodePage, L""},
        {"UTF-8 beyond ASCII", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xB0", kUtf8CodePage,
         L"\u00E9t\u00E9 \u20AC \U0001F4F0"},
        {"a NUL inside", std::string("a\0b", 3), kUtf8CodePage, std::wstring(L"a\0b", 3)},
        {"the system's code page", "caf" + systemE, kSystemCodePage, L"caf\u00E9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToWide(c.Bytes, c.CodePage), c.Wide) << c.What;
        EXPECT_EQ(FromWide(c.Wide, c.CodePage), c.Bytes) << c.What;
    }
    EXPECT_EQ(ToWide("caf\xE9", kUtf8CodePage), L"caf\uFFFD") << "bytes UTF-8 cannot read";
    EXPECT_EQ(ToWide("abc", 65432), L"") << "a code page the system does not have";
}

} // namespace
} // namespace text

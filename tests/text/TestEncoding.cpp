#include "text/Encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace text;

TEST(Encoding, LabelsNameTheEncodingsThatTheWebReadsThemAs) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"utf-8", "UTF-8"},
        {" UTF8 ", "UTF-8"},
        {"latin1", "windows-1252"},
        {"ISO-8859-1", "windows-1252"},
        {"ascii", "windows-1252"},
        {"us-ascii", "windows-1252"},
        {"iso-8859-9", "windows-1254"},
        {"Shift_JIS", "Shift_JIS"},
        {"gb2312", "GBK"},
        {"koi8-r", "KOI8-R"},
        {"utf-16", "UTF-16LE"},
        {"x-unknown", ""},
        {"", ""},
    };
    for (const auto& [label, encoding] : cases) {
        EXPECT_EQ(EncodingForLabel(label), encoding) << label;
    }
}

TEST(Encoding, DecodesEveryEncodingToValidUtf8AndMarksWhatDoesNotDecode) {
    struct Case {
        std::string Bytes;
        std::string Encoding;
        std::string Utf8;
    };
    const std::vector<Case> cases = {
        {"Caf\xE9 \x80 \x93quoted\x94", "windows-1252", "Caf\u00E9 \u20AC \u201Cquoted\u201D"},
        {"Caf\xE9", "", "Caf\u00E9"},
        {"Caf\xE9", "no-such-encoding", "Caf\u00E9"},
        {"\xA4 5", "ISO-8859-15", "\u20AC 5"},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "windows-1251", "\u041F\u0440\u0438\u0432\u0435\u0442"},
        {"\x93\xFA\x96\x7B", "Shift_JIS", "\u65E5\u672C"},
        {"ok \xC3\xA9 \xC3 \xED\xA0\x80 \xF0\x9F\x98\x80", "UTF-8",
         "ok \u00E9 \uFFFD \uFFFD\uFFFD\uFFFD \U0001F600"},
        {std::string("A\0\x3D\xD8\x00\xDE\x00\xD8", 8), "UTF-16LE", "A\U0001F600\uFFFD"},
        {std::string("\0A\xD8", 3), "UTF-16BE", "A\uFFFD"},
        {"", "Shift_JIS", ""},
    };
    for (const Case& decoding : cases) {
        const std::string utf8 = DecodeToUtf8(decoding.Bytes, decoding.Encoding);
        EXPECT_EQ(utf8, decoding.Utf8) << decoding.Encoding;
        EXPECT_TRUE(IsValidUtf8(utf8)) << decoding.Encoding;
    }
}

TEST(Encoding, BytesThatDoNotBelongToAMultiByteEncodingBecomeReplacementCharacters) {
    for (const std::string encoding : {"Shift_JIS", "EUC-KR", "GBK", "Big5", "EUC-JP"}) {
        std::string bytes;
        for (int byte = 0; byte < 256; ++byte) {
            bytes += static_cast<char>(byte);
            bytes += static_cast<char>(255 - byte);
        }
        const std::string utf8 = DecodeToUtf8(bytes, encoding);
        EXPECT_TRUE(IsValidUtf8(utf8)) << encoding;
        EXPECT_FALSE(utf8.empty()) << encoding;
    }
}

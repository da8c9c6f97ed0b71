#include "text/Encoding.h"
#include "text/NamedCharacters.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace text {
namespace {

TEST(EncodingNames, AnyLabelNamesTheEncodingThatDecodesIt) {
    struct Case {
        std::string Label;
        std::string Encoding;
        std::string Bytes;
        std::string Text;
    };
    const std::vector<Case> cases = {
        {" ISO-8859-1 ", "windows-1252", "\xE9", "é"},
        {"GB2312", "GBK", "\xD0\xC2", "新"},
        {"cp437", "cp437", "\x82", "é"},
        {"CP866", "IBM866", "\xAE", "о"},
        {"UTF-32", "UTF-32BE", std::string("\x00\x01\xF6\x00\x00\x00\x00\x41", 8), "\U0001F600A"},
        {"utf-32le", "UTF-32LE", std::string("A\x00\x00\x00\xFF\xFF\xFF\x7F\x42", 9),
         "A\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"x-no-such-encoding", "", "\xE9", ""},
        {"UTF-8//IGNORE", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.Label);
        EXPECT_EQ(EncodingForAnyLabel(row.Label), row.Encoding);
        if (!row.Encoding.empty()) {
            EXPECT_EQ(DecodeToUtf8(row.Bytes, row.Encoding), row.Text);
        }
    }
}

TEST(NamedCharacters, EveryNameOfHtml5IsFoundAndNothingElse) {
    EXPECT_EQ(NamedCharacters().size(), 2125u);
    for (const NamedCharacter& named : NamedCharacters()) {
        ASSERT_EQ(FindNamedCharacter(named.Name), &named) << named.Name;
    }
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"nbsp", "\xC2\xA0"}, {"colon", ":"},        {"AMP", "&"},
        {"fjlig", "fj"},      {"Afr", "\U0001D504"}, {"NotEqualTilde", "\u2242\u0338"},
    };
    for (const auto& [name, text] : texts) {
        ASSERT_NE(FindNamedCharacter(name), nullptr) << name;
        EXPECT_EQ(NamedCharacterText(*FindNamedCharacter(name)), text) << name;
    }
    for (const std::string unknown : {"", "NBSP", "nbsp;", "bogus", "zzzz"}) {
        EXPECT_EQ(FindNamedCharacter(unknown), nullptr) << unknown;
    }
}

} // namespace
} // namespace text

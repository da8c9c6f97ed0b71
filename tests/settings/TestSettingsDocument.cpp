// The lines of the settings file: what reads as which value, what is kept.
#include "settings/SettingsDocument.h"

#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {
namespace {

struct ReadRow {
    std::string Line;
    ValueRead IntegerStatus;
    std::int32_t Integer;
    ValueRead StringStatus;
    std::string String;
};

class SettingsLineReads : public ::testing::TestWithParam<ReadRow> {};

TEST_P(SettingsLineReads, AsIntegerAndAsString) {
    const ReadRow& row = GetParam();
    const auto document = SettingsDocument::Parse("[HKEY_CURRENT_USER\\Software\\Quiller]\r\n" +
                                                  row.Line + "\r\nOther=dword:00000009\r\n");
    const IntegerRead integer = document.ReadInteger("V");
    EXPECT_EQ(integer.Status, row.IntegerStatus);
    EXPECT_EQ(integer.Value, row.Integer);
    const StringRead string = document.ReadString("V");
    EXPECT_EQ(string.Status, row.StringStatus);
    EXPECT_EQ(string.Value, row.String);
}

constexpr auto Ok = ValueRead::Ok;
constexpr auto Missing = ValueRead::Missing;
constexpr auto Wrong = ValueRead::WrongType;

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsLineReads,
    ::testing::Values(
        ReadRow{"V=dword:00000001", Ok, 1, Wrong, ""},
        ReadRow{"  v =  DWORD:FFFFFFFF\t", Ok, -1, Wrong, ""},
        ReadRow{"V=dword:80000000", Ok, INT_MIN, Wrong, ""},
        ReadRow{"V=dword:2a", Ok, 42, Wrong, ""}, ReadRow{"V=dword:", Wrong, 0, Wrong, ""},
        ReadRow{"V=dword:123456789", Wrong, 0, Wrong, ""},
        ReadRow{"V=dword:12g", Wrong, 0, Wrong, ""}, ReadRow{"V=dword: 1", Wrong, 0, Wrong, ""},
        ReadRow{"V=1", Wrong, 0, Wrong, ""}, ReadRow{"V=", Wrong, 0, Wrong, ""},
        ReadRow{"V=hex:01,02", Wrong, 0, Wrong, ""},
        ReadRow{"V=\"http://127.0.0.1:8080\"", Wrong, 0, Ok, "http://127.0.0.1:8080"},
        ReadRow{"V=\"\"", Wrong, 0, Ok, ""},
        ReadRow{"V = \"  two  blanks \" ", Wrong, 0, Ok, "  two  blanks "},
        ReadRow{R"(V="a\"b\\c\r\nd=e")", Wrong, 0, Ok, "a\"b\\c\r\nd=e"},
        ReadRow{"V=\"dword:00000001\"", Wrong, 0, Ok, "dword:00000001"},
        ReadRow{"V=\"unterminated", Wrong, 0, Wrong, ""},
        ReadRow{R"(V="a"b")", Wrong, 0, Wrong, ""},
        ReadRow{R"(V="escaped end\")", Wrong, 0, Wrong, ""},
        ReadRow{R"(V="\t")", Wrong, 0, Wrong, ""}, ReadRow{"V=\"", Wrong, 0, Wrong, ""},
        ReadRow{"V", Missing, 0, Missing, ""}, ReadRow{"VV=dword:1", Missing, 0, Missing, ""},
        ReadRow{"; V=dword:1", Missing, 0, Missing, ""},
        ReadRow{"# V=dword:1", Missing, 0, Missing, ""},
        ReadRow{"[V=dword:1]", Missing, 0, Missing, ""},
        ReadRow{"=dword:1", Missing, 0, Missing, ""}));

TEST(SettingsDocument, AcceptsLfAndCrLfAndSkipsAByteOrderMark) {
    for (const std::string content : {"A=dword:1\nB=\"x\"\n", "A=dword:1\r\nB=\"x\"\r\n",
                                      "\xEF\xBB\xBF"
                                      "A=dword:1\nB=\"x\"",
                                      "A=dword:1\r\nB=\"x\"\r"}) {
        const auto document = SettingsDocument::Parse(content);
        EXPECT_EQ(document.ReadInteger("A").Value, 1);
        EXPECT_EQ(document.ReadString("B").Value, "x");
        EXPECT_EQ(document.Serialize(), "A=dword:1\r\nB=\"x\"\r\n");
    }
}

TEST(SettingsDocument, NulBytesAreOrdinaryBytesAndHideNoLaterValue) {
    const std::string content("N=\"a\0b\"\n\0\0\0\nA=dword:1\n", 22);
    const auto document = SettingsDocument::Parse(content);
    EXPECT_EQ(document.ReadString("N").Value, std::string("a\0b", 3));
    EXPECT_EQ(document.ReadInteger("A").Value, 1);
    EXPECT_EQ(document.Serialize(), std::string("N=\"a\0b\"\r\n\0\0\0\r\nA=dword:1\r\n", 25));
}

TEST(SettingsDocument, TheLastLineNamingAValueWinsAndIsTheOneReplaced) {
    auto document = SettingsDocument::Parse("A=dword:1\nb=\"x\"\na=dword:2\nZ=dword:3\n");
    EXPECT_EQ(document.ReadInteger("A").Value, 2);
    EXPECT_EQ(document.ReadInteger("b").Status, Wrong);
    document.WriteInteger("A", 7);
    document.WriteString("C", "new");
    EXPECT_EQ(document.Serialize(),
              "A=dword:1\r\nb=\"x\"\r\nA=dword:00000007\r\nZ=dword:3\r\nC=\"new\"\r\n");
}

TEST(SettingsDocument, DeletingRemovesEveryLineNamingTheValue) {
    auto document = SettingsDocument::Parse("A=dword:1\n;A=dword:1\na = broken\nB=dword:2\n");
    EXPECT_TRUE(document.DeleteValue("A"));
    EXPECT_EQ(document.ReadInteger("A").Status, Missing);
    EXPECT_FALSE(document.DeleteValue("A"));
    EXPECT_EQ(document.Serialize(), ";A=dword:1\r\nB=dword:2\r\n");
}

TEST(SettingsDocument, EveryIntegerAndEveryStringReadsBackAsWritten) {
    std::string allBytes;
    for (int c = 0; c < 256; ++c) {
        allBytes += static_cast<char>(c);
    }
    SettingsDocument document;
    const std::int32_t integers[] = {0, 1, -1, INT_MIN, INT_MAX, 0x12345678};
    for (const std::int32_t value : integers) {
        document.WriteInteger("I" + std::to_string(value), value);
    }
    document.WriteString("S", allBytes);
    document.WriteString("E", "");
    const auto again = SettingsDocument::Parse(document.Serialize());
    for (const std::int32_t value : integers) {
        EXPECT_EQ(again.ReadInteger("I" + std::to_string(value)).Value, value);
    }
    EXPECT_EQ(again.ReadString("S").Value, allBytes);
    EXPECT_EQ(again.ReadString("E").Status, Ok);
    EXPECT_EQ(again.Serialize(), document.Serialize());
}

TEST(SettingsDocument, ANewFileNamesTheKeyAndTheFormat) {
    SettingsDocument document;
    document.WriteInteger("AG", 1);
    EXPECT_EQ(document.Serialize(), "[HKEY_CURRENT_USER\\Software\\Quiller]\r\n"
                                    "; One value a line: NAME=dword:XXXXXXXX (32-bit integer, "
                                    "hexadecimal) or NAME=\"text\"\r\n"
                                    "AG=dword:00000001\r\n");
}

TEST(SettingsDocument, RefusesNamesThatALineCannotHold) {
    SettingsDocument document;
    for (const std::string name : {"", " A", "A ", "A=B", "A\nB", "[A", ";A", "#A"}) {
        EXPECT_THROW(document.WriteInteger(name, 1), std::invalid_argument) << name;
        EXPECT_THROW(document.WriteString(name, "x"), std::invalid_argument) << name;
    }
}

} // namespace
} // namespace lumbrant

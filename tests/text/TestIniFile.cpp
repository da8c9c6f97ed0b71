#include "support/TempFolder.h"
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::string Content() const { return text::ReadFileBytes(path_).value_or("<missing>"); }

    lumbrant::testing::TempFolder folder_{"ini"};
    const fs::path dir_ = folder_.Path();
    const std::string path_ = folder_ / "file.ini";
};

TEST_F(IniFileTest, CreatesTheFileWithTheSectionInCrLfLines) {
    text::IniFile ini(path_);
    ini.WriteString("Access Log", "0", "FormShow:boom");
    ini.WriteString("Access Log", "1", "Right 1/4");
    EXPECT_EQ(Content(), "[Access Log]\r\n0=FormShow:boom\r\n1=Right 1/4\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

TEST_F(IniFileTest, UpdatesInPlaceAndAppendsToTheEndOfItsSectionIgnoringCase) {
    text::WriteFileAtomic(path_,
                          "; written by another program\n[One]\nKey=old\nOther=2\n\n[two]\nx=1\n");
    text::IniFile ini(path_);
    ini.WriteString("ONE", "key", "new");
    ini.WriteString("one", "Third", "3");
    ini.WriteString("Two", "y", "2");
    ini.WriteString("Three", "z", "");
    EXPECT_EQ(Content(),
              "; written by another program\r\n[One]\r\nKey=new\r\nOther=2\r\nThird=3\r\n\r\n"
              "[two]\r\nx=1\r\ny=2\r\n[Three]\r\nz=\r\n");
}

TEST_F(IniFileTest, ReadsTheKeyNamesOfOneSection) {
    text::WriteFileAtomic(path_,
                          "[0]\r\na=1\r\n[1]\r\nwww.one.example=1\r\n  Two.Example = x \r\n;c=1\r\n"
                          "bare\r\n[2]\r\nthree=1\r\n");
    text::IniFile ini(path_);
    EXPECT_EQ(ini.ReadSectionKeys("1"),
              (std::vector<std::string>{"www.one.example", "Two.Example", "bare"}));
    EXPECT_TRUE(ini.ReadSectionKeys("9").empty());
    EXPECT_TRUE(text::IniFile((dir_ / "none.ini").string()).ReadSectionKeys("1").empty());
}

TEST_F(IniFileTest, AnUnwritableFileThrows) {
    text::IniFile ini((dir_ / "missing-folder" / "x.ini").string());
    EXPECT_THROW(ini.WriteString("s", "k", "v"), std::runtime_error);
}

} // namespace

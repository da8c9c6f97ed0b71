#include "core/LogClass.h"
#include "support/TempFolder.h"
#include "support/UnreadableFile.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(ErrorLog, KeysRestartAtZeroOverAnOlderFileAndHigherOldKeysStay) {
    TempFolder folder;
    WriteFile(folder.Path() / "Rovad.txt",
              "[Access Log]\r\n0=old0\r\n1=old1\r\n2=old2\r\n3=old3\r\n4=old4\r\n");
    int counter = 0;
    TLogClass::WriteLog(counter, folder.Path().string(), "FormShow:boom");
    TLogClass::WriteLog(counter, folder.Path().string(), "Not get ");
    TLogClass::WriteLog(counter, folder.Path().string(), "Right 1/4");
    EXPECT_EQ(counter, 3);
    EXPECT_EQ(
        ReadFile(folder.Path() / "Rovad.txt"),
        "[Access Log]\r\n0=FormShow:boom\r\n1=Not get \r\n2=Right 1/4\r\n3=old3\r\n4=old4\r\n");
}

TEST(ErrorLog, AnUnwritableLogIsSilentAndKeepsTheCounter) {
    TempFolder folder;
    int counter = 7;
    TLogClass::WriteLog(counter, (folder.Path() / "missing" / "deeper").string(), "x");
    EXPECT_EQ(counter, 7);
}

TEST(ErrorLog, AnUnreadableLogKeepsEveryEntryAndTheCounter) {
    TempFolder folder;
    const auto log = folder.Path() / "Rovad.txt";
    const std::string earlier = "[Access Log]\r\n0=old0\r\n1=old1\r\n";
    WriteFile(log, earlier);
    const int counterAfter = testing::RunWhileUnreadable(folder.Path(), log, [&] {
        int counter = 7;
        TLogClass::WriteLog(counter, folder.Path().string(), "Not get ");
        return counter;
    });
    EXPECT_EQ(counterAfter, 7);
    EXPECT_EQ(ReadFile(log), earlier);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

} // namespace
} // namespace lumbrant

// Files that the program opens, the fallback download's file among them,
// are not handed to the programs it starts; the C library's own fopen would
// hand them over.

#include "support/Inheritance.h"
#include "support/TempFolder.h"
#include "text/PrivateFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace lumbrant {
namespace {

TEST(PrivateFile, NoStartedProgramInheritsAFileTheProgramOpens) {
    struct Case {
        const char* What;
        std::function<std::FILE*(const std::string&)> Open;
        bool Inherited;
    };
    const Case cases[] = {
        {"a file read", [](const std::string& path) { return text::OpenPrivateFile(path, "rb"); },
         false},
        {"a file written",
         [](const std::string& path) { return text::OpenPrivateFile(path, "wb"); }, false},
        {"the C library's fopen, for contrast",
         [](const std::string& path) { return std::fopen(path.c_str(), "rb"); }, true},
    };
    const testing::TempFolder folder("lumbrant-private");
    const std::string path = folder / "SP8.ini";
    testing::WriteFile(path, "page\r\n");
    for (const Case& c : cases) {
        std::FILE* file = c.Open(path);
        ASSERT_NE(file, nullptr) << c.What;
        EXPECT_EQ(testing::InheritedByStartedPrograms(file), c.Inherited) << c.What;
        std::fclose(file);
    }
}

} // namespace
} // namespace lumbrant
